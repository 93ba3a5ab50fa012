// The platform flag and the German text that reaches the ANSI API.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/MainForm.h"
#include "support/Tools.h"
#include "tests/FakeInteraction.h"
#include "tests/RegistrySandbox.h"
#include "toolkit/WindowText.h"
#include "app/DesktopInteraction.h"

static_assert(sizeof("Ä") == 2, "German literals must be compiled to Windows-1252");

namespace {

std::string ProgramName() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  return path;
}

}  // namespace

TEST(Platform, IsWinNTFollowsTheWindowsFamilyThisProgramRunsAs) {
  bool ntFlavour = ProgramName().find("_nt.exe") != std::string::npos;
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof info;
  ASSERT_TRUE(GetVersionExA(&info));
  EXPECT_EQ(info.dwPlatformId == VER_PLATFORM_WIN32_NT, ntFlavour);
  EXPECT_EQ(IsWinNT, ntFlavour);
}

TEST(Platform, TrimRemovesBlanksAndControlCharactersAtBothEnds) {
  EXPECT_EQ(Trim(" \t\r\n C:\\Tool\\a b.exe /x \x01\x1f "), "C:\\Tool\\a b.exe /x");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(Trim("\xC4rger"), "\xC4rger");  // a letter above 127 is no control character
}

TEST(Platform, AFolderGetsOneFinalBackslashAndADriveRootKeepsItsOwn) {
  EXPECT_EQ(WithFinalBackslash("C:\\WINDOWS"), "C:\\WINDOWS\\");
  EXPECT_EQ(WithFinalBackslash("C:\\"), "C:\\");
  EXPECT_EQ(WithFinalBackslash("D:"), "D:\\");
}

TEST(Platform, APathSplitsIntoFolderAndFileNameAtTheLastBackslashOrDriveColon) {
  EXPECT_EQ(ExtractFilePath("C:\\Tools\\a.b\\run.exe"), "C:\\Tools\\a.b\\");
  EXPECT_EQ(ExtractFileName("C:\\Tools\\a.b\\run.exe"), "run.exe");
  EXPECT_EQ(ExtractFilePath("A:run.exe"), "A:");
  EXPECT_EQ(ExtractFilePath("run.exe"), "");
  EXPECT_EQ(ExtractFilePath(ProgramFileName()) + ExtractFileName(ProgramFileName()), ProgramFileName());
  EXPECT_NE(ProgramFileName().find("velmora_tests_"), std::string::npos);
}

TEST(GermanText, UmlautsReachTheAnsiApiAsWindows1252) {
  TRunKeysSandbox sandbox;
  TFakeInteraction dialogs;
  TMainForm form;
  // From the resource script through the dialog template to GetWindowTextA.
  EXPECT_EQ(form.WinReg->RegCheckBtn.Text(), "\xDC" "ber&pr\xFC" "fen");
  EXPECT_EQ(form.WinReg->AddRegBtn.Text(), "&Hinzuf\xFCgen");
  // From a C++ literal through a page to the message shown.
  form.Unsaved.Flag(TPageFlag::Registry) = true;
  dialogs.Answer({TModalResult::No});
  form.Close();
  ASSERT_EQ(dialogs.Shown().size(), 1u);
  EXPECT_EQ(dialogs.Shown()[0].text, "\xC4nderungen in die Windows-Registrierung speichern?");
  EXPECT_EQ(dialogs.Shown()[0].title, "Best\xE4tigung");
}

namespace {

struct TMessageBoxSeen {
  std::string title, text, yes, no;
};
TMessageBoxSeen seen;

std::string ItemText(HWND dialog, int id) {
  char text[256] = {};
  GetDlgItemTextA(dialog, id, text, sizeof text);
  return text;
}

BOOL CALLBACK ReadAndAnswerBox(HWND window, LPARAM) {
  if (WindowClassName(window) != "#32770") return TRUE;
  seen = {WindowText(window), ItemText(window, 0xFFFF), ItemText(window, IDYES), ItemText(window, IDNO)};
  PostMessageA(window, WM_COMMAND, IDNO, 0);
  return FALSE;
}

void CALLBACK AnswerBoxOnTimer(HWND, UINT, UINT_PTR, DWORD) {
  EnumThreadWindows(GetCurrentThreadId(), ReadAndAnswerBox, 0);
}

}  // namespace

TEST(GermanText, RealMessageBoxesHaveGermanTitlesAndButtons) {
  UINT_PTR timer = SetTimer(nullptr, 0, 50, AnswerBoxOnTimer);
  TDesktopInteraction desktop;
  TModalResult answer = desktop.MessageDlg("Wirklich entfernen?", TMsgDlgType::Confirmation, TMsgDlgButtons::YesNo);
  KillTimer(nullptr, timer);
  EXPECT_EQ(answer, TModalResult::No);
  EXPECT_EQ(seen.title, "Best\xE4tigung");
  EXPECT_EQ(seen.text, "Wirklich entfernen?");
  EXPECT_EQ(seen.yes, "&Ja");
  EXPECT_EQ(seen.no, "&Nein");
}
