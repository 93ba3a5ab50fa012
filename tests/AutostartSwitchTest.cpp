// Switching shortcuts off and on from the Autostart page: each tick or
// untick moves the shortcut at once, and switched-off shortcuts stay listed.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <memory>
#include <string>
#include <vector>

#include "app/MainForm.h"
#include "support/SwitchedOffEntries.h"
#include "support/Tools.h"
#include "tests/FakeInteraction.h"
#include "tests/Press.h"
#include "tests/RegistrySandbox.h"
#include "tests/ScratchStartupFolder.h"

namespace {

struct TShownRow {
  std::string caption;
  bool checked;
  bool operator==(const TShownRow&) const = default;
};
std::ostream& operator<<(std::ostream& out, const TShownRow& row) {
  return out << row.caption << (row.checked ? " [x]" : " [ ]");
}
using TShownRows = std::vector<TShownRow>;

class AutostartSwitchTest : public testing::Test {
 protected:
  AutostartSwitchTest() {
    CoInitialize(nullptr);
    WriteFileBytes(program, "MZ");
  }
  ~AutostartSwitchTest() override {
    form.reset();
    CoUninitialize();
  }

  void Link(const std::string& linkFile, const std::string& target) {
    TShellLink().CreateLink(linkFile, target);
    ASSERT_TRUE(FileExists(linkFile));
  }
  std::string Waiting(const std::string& name) { return SwitchedOffFolder(startup.Path()) + name; }
  void Open() { form = std::make_unique<TMainForm>(); }
  TAutostartPage& Page() { return *form->Startup; }
  TListView& View() { return Page().AutoStartFolderLV; }
  TShownRows Rows() {
    TShownRows rows;
    for (int i = 0; i < View().Count(); ++i) rows.push_back({View().Caption(i), View().Checked(i)});
    return rows;
  }
  int RowOf(const std::string& caption) {
    for (int i = 0; i < View().Count(); ++i)
      if (View().Caption(i) == caption) return i;
    return -1;
  }
  // What the user's click on a row's box does to the list.
  void Tick(const std::string& caption, bool checked) {
    ListView_SetCheckState(View().Handle(), RowOf(caption), checked);
  }

  TRunKeysSandbox sandbox;
  TFakeInteraction dialogs;
  TScratchStartupFolder startup{"switch-startup"};
  TScratchFolder programs{"switch-programs"};
  std::string program = programs.File("Werkzeug.exe");
  std::unique_ptr<TMainForm> form;
};

TEST_F(AutostartSwitchTest, UntickingMovesTheShortcutAwayAtOnceAndTickingBringsItBack) {
  Link(startup.File("Editor.lnk"), program);
  const std::string bytes = ReadFileBytes(startup.File("Editor.lnk"));
  Open();
  EXPECT_EQ(Rows(), (TShownRows{{"Editor.lnk", true}}));

  Tick("Editor.lnk", false);
  EXPECT_FALSE(FileExists(startup.File("Editor.lnk")));
  EXPECT_EQ(ReadFileBytes(Waiting("Editor.lnk")), bytes);
  EXPECT_EQ(Rows(), (TShownRows{{"Editor.lnk", false}}));

  Tick("Editor.lnk", true);
  EXPECT_EQ(ReadFileBytes(startup.File("Editor.lnk")), bytes);
  EXPECT_FALSE(FileExists(Waiting("Editor.lnk")));
  EXPECT_EQ(Rows(), (TShownRows{{"Editor.lnk", true}}));
  ExpectShown(dialogs, {});
}

// The program is gone: the shortcut is still listed, the check leaves it
// alone (it starts nothing), and it can be deleted.
TEST_F(AutostartSwitchTest, SwitchedOffShortcutWhoseProgramIsGoneIsListedAndCanBeDeleted) {
  Link(startup.File("Aktiv.lnk"), program);
  Link(startup.File("Alt.lnk"), programs.File("Alt.exe"));
  ASSERT_TRUE(SwitchLink(startup.Path(), "Alt.lnk", false));
  Open();
  EXPECT_EQ(Rows(), (TShownRows{{"Aktiv.lnk", true}, {"Alt.lnk", false}}));

  Press(Page().AutostartCheckBtn);
  ExpectShown(dialogs, {Info("Windows gibt eine Fehlermeldung aus, falls eine Verknüpfung nicht korrekt ist!")});

  dialogs.ClearShown();
  dialogs.Answer({TModalResult::Yes});
  View().Select(RowOf("Alt.lnk"));
  Press(Page().AutostartDeleteBtn);
  ExpectShown(dialogs, {Question("Verknüpfung Alt.lnk wirklich entfernen?")});
  EXPECT_FALSE(FileExists(Waiting("Alt.lnk")));
  EXPECT_TRUE(FileExists(startup.File("Aktiv.lnk")));
  EXPECT_EQ(Rows(), (TShownRows{{"Aktiv.lnk", true}}));
}

// A shortcut of the same name both on and waiting: the two rows stand for
// two files, and refusing the replacement leaves the box as the disk is.
TEST_F(AutostartSwitchTest, TickingWhenTheNameExistsAgainAsksAndNoKeepsBoth) {
  Link(startup.File("Editor.lnk"), program);
  ASSERT_TRUE(SwitchLink(startup.Path(), "Editor.lnk", false));
  Link(startup.File("Editor.lnk"), program);
  Open();
  EXPECT_EQ(Rows(), (TShownRows{{"Editor.lnk", true}, {"Editor.lnk", false}}));

  dialogs.Answer({TModalResult::No});
  ListView_SetCheckState(View().Handle(), 1, TRUE);
  ExpectShown(dialogs, {Question("Es gibt bereits einen Eintrag \"Editor.lnk\". Soll er ersetzt werden?")});
  EXPECT_EQ(Rows(), (TShownRows{{"Editor.lnk", true}, {"Editor.lnk", false}}));
  EXPECT_TRUE(FileExists(Waiting("Editor.lnk")));
}

}  // namespace
