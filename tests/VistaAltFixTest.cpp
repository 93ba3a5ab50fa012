// The Alt-key repaint fix. Its suite runs in all three test programs: as
// Windows 98 and XP the fix must stay inactive; as Vista (velmora_tests_vista,
// Wine's default theme on) it watches every form.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "app/MainForm.h"
#include "controls/VistaAltFixUnit.h"
#include "tests/FakeInteraction.h"
#include "tests/RegistrySandbox.h"
#include "toolkit/Application.h"
#include "toolkit/Themes.h"

namespace {

bool RunsAsVista() {
  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = sizeof version;
  GetVersionExA(&version);
  return version.dwMajorVersion >= 6;
}

bool Contains(const std::vector<HWND>& windows, HWND window) {
  return std::find(windows.begin(), windows.end(), window) != windows.end();
}

class VistaAltFixTest : public testing::Test {
 protected:
  TRunKeysSandbox sandbox;
  TFakeInteraction dialogs;
  TMainForm form;

  LONG_PTR WindowProcOf(HWND window) { return GetWindowLongPtrA(window, GWLP_WNDPROC); }
};

TEST(VistaAltFixNeeded, OnlyFromVistaOnWithThemes) {
  EXPECT_FALSE(VistaAltFixNeeded(4, true));
  EXPECT_FALSE(VistaAltFixNeeded(5, true));
  EXPECT_FALSE(VistaAltFixNeeded(6, false));
  EXPECT_TRUE(VistaAltFixNeeded(6, true));
  EXPECT_TRUE(VistaAltFixNeeded(10, true));
}

TEST_F(VistaAltFixTest, ActiveOnlyOnVistaWithThemesAndOtherwiseChangesNoWindowProcedure) {
  EXPECT_TRUE(form.VistaAltFix.RepaintAll);
  LONG_PTR before = WindowProcOf(form.Handle());
  Application().Idle();
  if (RunsAsVista() && ThemesEnabled()) {
    EXPECT_TRUE(form.VistaAltFix.Active());
    EXPECT_NE(WindowProcOf(form.Handle()), before);
    ASSERT_EQ(form.VistaAltFix.Records().size(), 1u);
    EXPECT_EQ(form.VistaAltFix.Records()[0]->Form, form.Handle());
  } else {
    EXPECT_FALSE(form.VistaAltFix.Active());
    EXPECT_EQ(WindowProcOf(form.Handle()), before);
    EXPECT_TRUE(form.VistaAltFix.Records().empty());
  }
}

TEST_F(VistaAltFixTest, OneRecordPerFormFromTheFirstIdleMomentUntilTheFormIsGone) {
  if (!form.VistaAltFix.Active()) GTEST_SKIP() << "inactive before Vista; velmora_tests_vista runs this";
  auto second = std::make_unique<TMainForm>();
  EXPECT_TRUE(form.VistaAltFix.Records().empty());
  Application().Idle();
  Application().Idle();
  ASSERT_EQ(form.VistaAltFix.Records().size(), 2u);
  EXPECT_EQ(form.VistaAltFix.Records()[1]->Form, second->Handle());
  EXPECT_TRUE(form.VistaAltFix.Records()[1]->RepaintAll);
  second.reset();
  Application().Idle();
  ASSERT_EQ(form.VistaAltFix.Records().size(), 1u);
  EXPECT_EQ(form.VistaAltFix.Records()[0]->Form, form.Handle());
}

TEST_F(VistaAltFixTest, UpdateUiStateMarksTheFormAndTheNextIdleMomentRepaints) {
  if (!form.VistaAltFix.Active()) GTEST_SKIP() << "inactive before Vista; velmora_tests_vista runs this";
  Application().Idle();
  const TFormObj& record = *form.VistaAltFix.Records()[0];
  EXPECT_FALSE(record.RepaintNeeded);
  SendMessageA(form.Handle(), WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL), 0);
  EXPECT_TRUE(record.RepaintNeeded);
  Application().Idle();
  EXPECT_FALSE(record.RepaintNeeded);
}

TEST_F(VistaAltFixTest, RepaintAllWalksEveryControlAtEveryDepth) {
  std::vector<HWND> all = ControlsToRepaint(form.Handle(), true);
  for (HWND control : {form.AutoStartPageControl->Handle(), form.Info->Handle(), form.Info->HelpBtn.Handle(),
                       form.Info->Label9.Handle(), form.WinReg->Handle(), form.WinReg->RegCheckBtn.Handle(),
                       form.WinReg->HKLMRunBtn.Handle()})
    EXPECT_TRUE(Contains(all, control)) << control;
  EXPECT_FALSE(Contains(all, form.Handle()));
}

TEST_F(VistaAltFixTest, RepaintAllOffTakesButtonsOfTheShownPageOnly) {
  std::vector<HWND> buttons = ControlsToRepaint(form.Handle(), false);
  EXPECT_EQ(buttons, std::vector<HWND>{form.Info->HelpBtn.Handle()});
  form.AutoStartPageControl->SetActivePageIndex(1);
  buttons = ControlsToRepaint(form.Handle(), false);
  EXPECT_FALSE(Contains(buttons, form.Info->HelpBtn.Handle()));
  for (HWND button : {form.WinReg->RegCheckBtn.Handle(), form.WinReg->SaveRegBtn.Handle(),
                      form.WinReg->RegRefreshBtn.Handle()})
    EXPECT_TRUE(Contains(buttons, button)) << button;
  EXPECT_FALSE(Contains(buttons, form.WinReg->HKLMRunBtn.Handle()));  // a speed button is no button control
  EXPECT_FALSE(Contains(buttons, form.WinReg->Handle()));
}

}  // namespace
