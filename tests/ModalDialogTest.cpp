// The real modal dialogs, as a person meets them: a message box gives the
// focus and the selection back to the list it came from, the program's
// windows are disabled while a dialog runs, and a quit request ends the
// dialog and reaches the program's own message loop.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/MainForm.h"
#include "registry/RunKeyPath.h"
#include "tests/RegistrySandbox.h"
#include "toolkit/Application.h"
#include "toolkit/WindowText.h"

namespace {

// What the timers saw; they run inside the modal loops.
struct TSeen {
  std::string boxText;
  bool dialogShown = false, applicationEnabled = true, formEnabled = true, watchdogFired = false;
};
TSeen seen;
HWND mainForm = nullptr;

void StopTimer(UINT_PTR timer) { KillTimer(nullptr, timer); }

// Answers the message box of this thread with "&Nein", as a person would.
BOOL CALLBACK AnswerNo(HWND window, LPARAM) {
  if (WindowClassName(window) != "#32770" || !IsWindowVisible(window)) return TRUE;
  char text[256] = {};
  GetDlgItemTextA(window, 0xFFFF, text, sizeof text);
  seen.boxText = text;
  PostMessageA(window, WM_COMMAND, IDNO, 0);
  return FALSE;
}

void CALLBACK AnswerMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
  if (!EnumThreadWindows(GetCurrentThreadId(), AnswerNo, 0)) StopTimer(timer);
}

TEST(ModalDialogs, AMessageBoxLeavesTheRegistryListFocusedWithItsSelectionAndEditingButtons) {
  TRunKeysSandbox sandbox;
  TRunKeyPath run = ResolveRunKeyPath(RunKeyPath("HKEY_LOCAL_MACHINE", "Run"));
  StoreString(run.root, run.subKey, "Uhr", "uhr.exe");
  TMainForm form;  // the desktop's own dialogs: no stand-in installed
  form.Show();
  SetForegroundWindow(form.Handle());
  form.AutoStartPageControl->SetActivePageIndex(1);
  TRegistryPage& page = *form.WinReg;
  SetFocus(page.RegView.Handle());
  page.RegView.Select(0);
  ASSERT_TRUE(page.RemoveRegBtn.Enabled());

  seen = {};
  SetTimer(nullptr, 0, 20, AnswerMessageBox);
  page.RemoveRegBtn.Click();

  EXPECT_EQ(seen.boxText, "Uhr wirklich entfernen?");
  EXPECT_EQ(page.RegView.Count(), 1);
  EXPECT_EQ(GetFocus(), page.RegView.Handle());
  EXPECT_EQ(page.RegView.SelectedIndex(), 0);
  EXPECT_TRUE(page.EditRegBtn.Enabled());
  EXPECT_TRUE(page.RemoveRegBtn.Enabled());
}

void CALLBACK QuitWhileTheDialogRuns(HWND, UINT, UINT_PTR timer, DWORD) {
  StopTimer(timer);
  HWND dialog = FindWindowA(nullptr, "Eintrag hinzufügen");
  seen.dialogShown = dialog && IsWindowVisible(dialog);
  seen.applicationEnabled = IsWindowEnabled(Application().Handle());
  seen.formEnabled = IsWindowEnabled(mainForm);
  PostQuitMessage(0);
}

void CALLBACK Watchdog(HWND, UINT, UINT_PTR timer, DWORD) {
  StopTimer(timer);
  seen.watchdogFired = true;
  PostQuitMessage(1);
}

void CALLBACK StartTheEntryDialog(HWND, UINT, UINT_PTR timer, DWORD) {
  StopTimer(timer);
  TMainForm* shown = reinterpret_cast<TMainForm*>(GetWindowLongPtrA(mainForm, GWLP_USERDATA));
  SetTimer(nullptr, 0, 100, QuitWhileTheDialogRuns);
  shown->WinReg->AddRegBtnClick();
}

TEST(ModalDialogs, AQuitRequestEndsTheEntryDialogAndReachesTheOuterLoop) {
  TRunKeysSandbox sandbox;
  TMainForm form;
  form.Show();
  mainForm = form.Handle();
  seen = {};
  SetTimer(nullptr, 0, 10, StartTheEntryDialog);
  UINT_PTR watchdog = SetTimer(nullptr, 0, 5000, Watchdog);
  Application().Run();  // the program's loop: it ends only on the quit request
  StopTimer(watchdog);

  EXPECT_FALSE(seen.watchdogFired);
  EXPECT_TRUE(seen.dialogShown);
  EXPECT_FALSE(seen.applicationEnabled);
  EXPECT_FALSE(seen.formEnabled);
  EXPECT_TRUE(IsWindowEnabled(Application().Handle()));
  EXPECT_TRUE(IsWindowEnabled(form.Handle()));
  EXPECT_EQ(form.WinReg->RegView.Count(), 0);
}

}  // namespace
