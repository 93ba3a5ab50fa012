// The restart page, with the shutdown request answered by the test bench.
#include <gtest/gtest.h>

#include "app/MainForm.h"
#include "res/resource.h"
#include "support/Shutdown.h"
#include "tests/FakeInteraction.h"
#include "tests/RegistrySandbox.h"

namespace {

class RestartPageTest : public testing::Test {
 protected:
  TRunKeysSandbox sandbox;
  TFakeInteraction dialogs;
  TMainForm form;
  TRestartPage& Page() { return *form.RebootWindows; }
};

TEST_F(RestartPageTest, ShowsItsTextsWithRestartSelected) {
  EXPECT_EQ(Page().Label16.Text(),
            "Nachdem Sie alle Änderungen durchgeführt haben, können Sie Windows gleich neu starten.");
  EXPECT_EQ(Page().RadioGroup.Text(), " Windows beenden ");
  ASSERT_EQ(Page().RadioGroup.Count(), 3);
  EXPECT_EQ(Page().RadioGroup.Item(0), " Windows &neu starten");
  EXPECT_EQ(Page().RadioGroup.Item(1), " Windows be&enden");
  EXPECT_EQ(Page().RadioGroup.Item(2), " Nutzer ab&melden");
  EXPECT_EQ(Page().RadioGroup.ItemIndex(), 0);
  EXPECT_EQ(Page().RestartBtn.Text(), "&OK");
  SendMessageA(GetDlgItem(Page().Handle(), IDC_RESTART_ITEM2), BM_CLICK, 0, 0);  // a click selects
  EXPECT_EQ(Page().RadioGroup.ItemIndex(), 2);
  EXPECT_EQ(SendMessageA(GetDlgItem(Page().Handle(), IDC_RESTART_ITEM0), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(RestartPageTest, EachChoiceAsksWithItsFlagsAndReportsItsOwnFailure) {
  dialogs.shutdownAccepted = false;
  for (int item : {0, 1, 2}) {
    Page().RadioGroup.SetItemIndex(item);
    SendMessageA(Page().RestartBtn.Handle(), BM_CLICK, 0, 0);
  }
  EXPECT_EQ(dialogs.shutdownRequests, (std::vector<unsigned>{2, 9, 0}));
  ExpectShown(dialogs, {Error("Fehlgeschlagen, starten Sie Windows selbst neu!"), Error("Beenden Sie Windows selbst!"),
                        Error("Abmeldung fehlgeschlagen!")});
  EXPECT_NE(form.Handle(), nullptr);
}

TEST_F(RestartPageTest, AnAcceptedRequestClosesTheWindowAfterTheQuestionsAboutUnsavedPages) {
  int saves = 0;
  for (TPageFlag flag : {TPageFlag::Registry, TPageFlag::Config}) {
    form.Unsaved.Flag(flag) = true;
    form.Unsaved.SetSaveHandler(flag, [&, flag] {
      ++saves;
      form.Unsaved.Flag(flag) = false;  // as a save that succeeds does
    });
  }
  dialogs.Answer({TModalResult::Yes, TModalResult::No});
  Page().RestartBtnClick();
  ExpectShown(dialogs, {Question("Änderungen in die Windows-Registrierung speichern?"),
                        Question("Änderungen in Config.sys speichern?")});
  EXPECT_EQ(saves, 1);
  EXPECT_EQ(dialogs.shutdownRequests, (std::vector<unsigned>{2}));
  EXPECT_EQ(form.Handle(), nullptr);
}

TEST(SetPrivilege, KnowsPrivilegesByName) {
  EXPECT_TRUE(SetPrivilege("SeShutdownPrivilege", true));
  EXPECT_TRUE(SetPrivilege("SeShutdownPrivilege", false));
  EXPECT_FALSE(SetPrivilege("SeGibtEsNichtPrivilege", true));
}

}  // namespace
