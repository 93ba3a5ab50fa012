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
#include "support/WideText.h"
#include "support/WindowsVersion.h"
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
  ASSERT_TRUE(SwitchLink(startup.Path(), L"Alt.lnk", false));
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
  ASSERT_TRUE(SwitchLink(startup.Path(), L"Editor.lnk", false));
  Link(startup.File("Editor.lnk"), program);
  Open();
  EXPECT_EQ(Rows(), (TShownRows{{"Editor.lnk", true}, {"Editor.lnk", false}}));

  dialogs.Answer({TModalResult::No});
  ListView_SetCheckState(View().Handle(), 1, TRUE);
  ExpectShown(dialogs, {Question("Es gibt bereits einen Eintrag \"Editor.lnk\". Soll er ersetzt werden?")});
  EXPECT_EQ(Rows(), (TShownRows{{"Editor.lnk", true}, {"Editor.lnk", false}}));
  EXPECT_TRUE(FileExists(Waiting("Editor.lnk")));
}

// Ticked means started, for Windows too: a shortcut its task manager
// switched off is unticked, and ticking it lets Windows start it again at
// once, also one that waited in the sub-folder.
TEST_F(AutostartSwitchTest, WhatWindowsSwitchedOffIsUntickedAndTickingSwitchesItOnInWindowsAtOnce) {
  if (!IsWin8OrLater()) GTEST_SKIP() << "Windows switches shortcuts off from Windows 8 on";
  TStartupApprovedValues approved;
  Link(startup.File("Aus.lnk"), program);
  Link(startup.File("Wartet.lnk"), program);
  ASSERT_TRUE(SwitchLink(startup.Path(), L"Wartet.lnk", false));
  for (const char* name : {"Aus.lnk", "Wartet.lnk"})
    approved.SwitchOff(HKEY_CURRENT_USER, "StartupFolder", name, LocalTime(2026, 12, 8, 10, 15));
  Open();
  EXPECT_EQ(Rows(), (TShownRows{{"Aus.lnk", false}, {"Wartet.lnk", false}}));
  EXPECT_EQ(View().SubItem(RowOf("Wartet.lnk")), "von Velmora deaktiviert");

  Tick("Aus.lnk", true);
  EXPECT_EQ(TStartupApprovedValues::Bytes(HKEY_CURRENT_USER, "StartupFolder", "Aus.lnk"),
            TStartupApprovedValues::kSwitchedOn);
  EXPECT_TRUE(FileExists(startup.File("Aus.lnk")));
  Tick("Wartet.lnk", true);
  EXPECT_EQ(TStartupApprovedValues::Bytes(HKEY_CURRENT_USER, "StartupFolder", "Wartet.lnk"),
            TStartupApprovedValues::kSwitchedOn);
  EXPECT_TRUE(FileExists(startup.File("Wartet.lnk")));
  EXPECT_EQ(Rows(), (TShownRows{{"Aus.lnk", true}, {"Wartet.lnk", true}}));
  EXPECT_EQ(View().SubItem(RowOf("Wartet.lnk")), "aktiv");
  ExpectShown(dialogs, {});
}

// Windows' switch of a shortcut named in another script is found and
// written by the shortcut's real name, not by its '?' form.
TEST_F(AutostartSwitchTest, WindowsSwitchOfAShortcutNamedInAnotherScriptGoesByItsRealName) {
  if (!IsWin8OrLater()) GTEST_SKIP() << "Windows switches shortcuts off from Windows 8 on";
  const std::wstring name = L"\u041f\u0440\u043e\u0433.lnk";
  const std::string list = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\StartupFolder";
  Link(startup.File("Neu.lnk"), program);
  const std::wstring linkFile = WideFromAnsi(startup.Path()) + L"\\" + name;
  ASSERT_TRUE(MoveFileW(WideFromAnsi(startup.File("Neu.lnk")).c_str(), linkFile.c_str()));
  StoreWideValue(HKEY_CURRENT_USER, list, {name, std::string("\x03\0\0\0", 4) + std::string(8, '\x01'), REG_BINARY});
  const std::string caption = AnsiFromWide(name);
  Open();
  EXPECT_EQ(Rows(), (TShownRows{{caption, false}}));
  Tick(caption, true);
  EXPECT_EQ(Rows(), (TShownRows{{caption, true}}));
  const std::vector<TWideValue> values = StoredWideValues(HKEY_CURRENT_USER, list);
  EXPECT_EQ(values, (std::vector<TWideValue>{{name, TStartupApprovedValues::kSwitchedOn, REG_BINARY}}));
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, list.c_str(), 0, KEY_SET_VALUE, &key), ERROR_SUCCESS);
  RegDeleteValueW(key, name.c_str());
  RegCloseKey(key);
  ExpectShown(dialogs, {});
}

// Another user's language: the shortcut moves by the name found in the
// folder, not by its '?' form.
TEST_F(AutostartSwitchTest, AShortcutWhoseNameHasNoAnsiFormSwitchesOffAndOnUnchanged) {
  if (!IsWinNT) GTEST_SKIP() << "the 9x family names files in the ANSI code page only";
  const std::wstring name = L"\u041f\u0440\u043e\u0433\u0440\u0430\u043c\u043c\u0430.lnk";
  const std::wstring active = WideFromAnsi(startup.Path()) + L"\\" + name;
  Link(startup.File("Neu.lnk"), program);
  ASSERT_TRUE(MoveFileW(WideFromAnsi(startup.File("Neu.lnk")).c_str(), active.c_str()));
  const std::string caption = AnsiFromWide(name);
  Open();
  Tick(caption, false);
  EXPECT_EQ(GetFileAttributesW(active.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_NE(GetFileAttributesW((WideFromAnsi(Waiting("")) + name).c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(Rows(), (TShownRows{{caption, false}}));
  Tick(caption, true);
  EXPECT_NE(GetFileAttributesW(active.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(Rows(), (TShownRows{{caption, true}}));
  ExpectShown(dialogs, {});
  DeleteFileW(active.c_str());
}

}  // namespace
