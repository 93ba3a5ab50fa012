// The Dienste page over services of the test's own: what it draws of the
// services model, what a box does, and the texts it shows. What a switch
// does to a service is the model's own (ServiceEntriesTest).
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <memory>
#include <string>

#include "app/MainForm.h"
#include "services/ServicesTexts.h"
#include "support/Tools.h"
#include "support/WideText.h"
#include "tests/FakeInteraction.h"
#include "tests/Press.h"
#include "tests/RegistrySandbox.h"
#include "tests/ScratchFolder.h"
#include "tests/TestService.h"
#include "toolkit/Application.h"

namespace {

class ServicesPageTest : public testing::Test {
 protected:
  ServicesPageTest() { WriteFileBytes(folder.File("dienst.exe"), "MZ"); }

  void Open() { form = std::make_unique<TMainForm>(); }
  TServicesPage& Page() { return *form->Services; }
  TListView& View() { return Page().ServicesLV; }
  int Row(const std::string& caption) {
    for (int i = 0; i < View().Count(); ++i)
      if (View().Caption(i) == caption) return i;
    return -1;
  }
  // As the user does it: the page acts once the message loop runs again.
  void Tick(int row, bool on) {
    ListView_SetCheckState(View().Handle(), row, on);
    Application().ProcessMessages();
  }

  TRunKeysSandbox sandbox;
  TFakeInteraction dialogs;
  TScratchFolder folder{"Dienste-Seite"};
  std::wstring program = WideFromAnsi(folder.File("dienst.exe"));
  std::unique_ptr<TMainForm> form;
};

TEST_F(ServicesPageTest, DrawsTheServicesSwitchesThemByTheirBoxesAndPointsThe9xFamilyToTheRegistryPage) {
  TTestService automatic(L"VelmoraSeiteAuto", L"\"" + program + L"\" /dienst", SERVICE_AUTO_START);
  TTestService delayed(L"VelmoraSeiteDelayed", program, SERVICE_AUTO_START, true);
  Open();
  if (!IsWinNT) {
    EXPECT_EQ(Page().ServicesLabel.Text(), ServicesTexts::kNo9xServices);
    EXPECT_EQ(View().Count(), 0);
    for (const TControl* control : std::initializer_list<const TControl*>{
             &Page().HideWindowsChkBox, &View(), &Page().ServicesCheckBtn, &Page().ServicesRefreshBtn})
      EXPECT_FALSE(GetWindowLongA(control->Handle(), GWL_STYLE) & WS_VISIBLE) << "one line and nothing else";
    return;
  }
  EXPECT_EQ(Page().ServicesLabel.Text(), ServicesTexts::kIntro);
  struct TRowShown {
    std::string caption, program, start;
    bool ticked;
  };
  const std::string file = AnsiFromWide(program);
  for (const TRowShown& expected : {TRowShown{"VelmoraSeiteAuto (Test)", "\"" + file + "\" /dienst", "Automatisch", true},
                                    TRowShown{"VelmoraSeiteDelayed (Test)", file, "Automatisch (verzögert)", true}}) {
    const int row = Row(expected.caption);
    ASSERT_GE(row, 0) << expected.caption;
    EXPECT_EQ(View().SubItem(row), expected.program);
    EXPECT_EQ(View().SubItem2(row), expected.start);
    EXPECT_EQ(View().Checked(row), expected.ticked);
  }

  Tick(Row("VelmoraSeiteDelayed (Test)"), false);
  EXPECT_EQ(ServiceDword(delayed.Name(), "", "Start"), SERVICE_DEMAND_START);
  EXPECT_EQ(View().SubItem2(Row("VelmoraSeiteDelayed (Test)")), "Deaktiviert von Velmora");
  EXPECT_FALSE(View().Checked(Row("VelmoraSeiteDelayed (Test)")));
  Tick(Row("VelmoraSeiteDelayed (Test)"), true);
  EXPECT_EQ(View().SubItem2(Row("VelmoraSeiteDelayed (Test)")), "Automatisch (verzögert)");

  automatic.SetStart(SERVICE_DISABLED);  // another tool, after the page was drawn
  Tick(Row("VelmoraSeiteAuto (Test)"), false);
  EXPECT_EQ(ServiceDword(automatic.Name(), "", "Start"), SERVICE_DISABLED);
  EXPECT_EQ(Row("VelmoraSeiteAuto (Test)"), -1) << "a disabled service is none of the page's";
  ExpectShown(dialogs, {Error(ServicesTexts::ChangedMeanwhile("VelmoraSeiteAuto (Test)"))});
}

// Which services belong to Windows is the model's rule (ServiceProgramTest):
// Wine's own carry no maker's name, so here they stay in sight.
TEST_F(ServicesPageTest, HidesWindowsOwnServicesWhileAskedToAndReportsMissingPrograms) {
  TTestService missing(L"VelmoraSeiteFehlt", L"C:\\Fehlt\\dienst.exe -k", SERVICE_AUTO_START);
  Open();
  if (!IsWinNT) {
    Press(Page().ServicesCheckBtn);
    ExpectShown(dialogs, {});
    return;
  }
  const std::vector<TServiceEntry>& entries = Page().Services().Entries();
  const auto others = std::count_if(entries.begin(), entries.end(), [](const TServiceEntry& e) { return !e.fromWindows; });
  ASSERT_TRUE(Page().HideWindowsChkBox.Checked()) << "ticked at first";
  EXPECT_EQ(View().Count(), others);
  Page().HideWindowsChkBox.SetChecked(false);
  EXPECT_EQ(View().Count(), static_cast<int>(entries.size()));
  Page().HideWindowsChkBox.SetChecked(true);
  EXPECT_EQ(View().Count(), others);
  EXPECT_GE(Row("Plug and Play Service"), 0) << "Wine's own service, without a maker";

  Press(Page().ServicesCheckBtn);
  ExpectShown(dialogs, {Error(ServicesTexts::ProgramMissing("VelmoraSeiteFehlt (Test)", "C:\\Fehlt\\dienst.exe"))});
}

}  // namespace
