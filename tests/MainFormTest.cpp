// The main window: pages, start-up state, the backups switch, the backup copy
// and the questions asked on closing.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/BackupCopy.h"
#include "app/MainForm.h"
#include "tests/FakeInteraction.h"
#include "tests/RegistrySandbox.h"
#include "tests/ScratchFolder.h"
#include "toolkit/Application.h"

namespace {

// Ctrl+Tab (with Shift: Ctrl+Shift+Tab) where the focus is, as the loop gets
// it; the page shown then.
int PressCtrlTab(TMainForm& form, bool shift) {
  BYTE keys[256], held[256];
  GetKeyboardState(keys);
  std::copy(keys, keys + 256, held);
  held[VK_CONTROL] = 0x80;
  held[VK_SHIFT] = shift ? 0x80 : 0;
  SetKeyboardState(held);
  PostMessageA(GetFocus() ? GetFocus() : form.Info->HelpBtn.Handle(), WM_KEYDOWN, VK_TAB, 0);
  Application().ProcessMessages();
  SetKeyboardState(keys);
  return form.AutoStartPageControl->ActivePageIndex();
}

int BuiltPages(const TPageControl& pages) {
  int built = 0;
  for (int i = 0; i < pages.PageCount(); ++i) built += pages.Sheet(i) != nullptr;
  return built;
}

class MainFormTest : public testing::Test {
 protected:
  TRunKeysSandbox sandbox;
  TFakeInteraction dialogs;
  TMainForm form;

  UINT MenuState(HMENU menu) { return GetMenuState(menu, TMainForm::kBackupsCommand, MF_BYCOMMAND); }
  std::string MenuText(HMENU menu) {
    char text[64] = {};
    GetMenuStringA(menu, TMainForm::kBackupsCommand, text, sizeof text, MF_BYCOMMAND);
    return text;
  }
  HMENU WindowMenu() { return GetSystemMenu(form.Handle(), FALSE); }
  HMENU ApplicationMenu() { return GetSystemMenu(Application().Handle(), FALSE); }

  // As the system menu does it: the command is posted, then the loop runs.
  void ChooseBackupsItem(HWND from) {
    PostMessageA(from, WM_SYSCOMMAND, TMainForm::kBackupsCommand, 0);
    Application().ProcessMessages();
  }
};

TEST_F(MainFormTest, HasSixteenPagesInTabOrderWithTheirIconsAndShowsInfoFirst) {
  const std::vector<std::pair<std::string, int>> expected = {
      {"Info", 0},          {"Registry", 1},     {"Autostart", 2},    {"Dienste", 1},
      {"Geplante Tasks", 1}, {"Weitere Orte", 1}, {"Win.ini", 3},      {"System.ini", 3},
      {"Control.ini", 3},   {"Winstart.bat", 4}, {"Dosstart.bat", 4}, {"Autoexec.bat", 4},
      {"Config.sys", 5},    {"msdos.sys", 5},    {"Sich./Wiederh.", 6}, {"Neustart", 7}};
  TPageControl& pages = *form.AutoStartPageControl;
  ASSERT_EQ(pages.PageCount(), 16);
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(pages.PageCaption(i), expected[i].first) << "page " << i;
    EXPECT_EQ(pages.PageImage(i), expected[i].second) << "page " << i;
  }
  // Each tab shows its own page, also behind a tab added in between.
  const std::vector<std::pair<int, HWND>> sheets = {
      {1, form.WinReg->Handle()},      {2, form.Startup->Handle()},     {3, form.Services->Handle()},
      {4, form.Tasks->Handle()},       {5, form.FurtherPlaces->Handle()}, {6, form.WinIni->Handle()},
      {7, form.SystemIni->Handle()},   {8, form.ControlIni->Handle()},  {9, form.WinstartBat->Handle()},
      {10, form.Dosstart->Handle()},   {11, form.Autoexec->Handle()},   {12, form.Config->Handle()},
      {13, form.msdossys->Handle()},   {14, form.BackupRestore->Handle()}, {15, form.RebootWindows->Handle()}};
  for (const auto& [index, sheet] : sheets) EXPECT_EQ(pages.Sheet(index), sheet) << "page " << index;
  EXPECT_EQ(form.PCImageList.Count(), 8);
  EXPECT_EQ(pages.ActivePageIndex(), 0);
  EXPECT_TRUE(IsWindowVisible(form.Info->Handle()) || !IsWindowVisible(form.Handle()));
  EXPECT_TRUE(GetWindowLongA(form.Info->Handle(), GWL_STYLE) & WS_VISIBLE);
  EXPECT_FALSE(GetWindowLongA(form.WinReg->Handle(), GWL_STYLE) & WS_VISIBLE);
}

// Ctrl+Tab turns to the next page, Ctrl+Shift+Tab to the one before, round
// the ends, as the key reaches the loop from whichever control has the focus;
// the focus moves to the new page.
TEST_F(MainFormTest, CtrlTabAndCtrlShiftTabTurnThePagesRoundTheEnds) {
  auto press = [&](bool shift) { return PressCtrlTab(form, shift); };
  form.Show();
  EXPECT_EQ(press(false), 1);
  EXPECT_TRUE(IsChild(form.WinReg->Handle(), GetFocus()));
  EXPECT_EQ(press(true), 0);
  EXPECT_EQ(press(true), form.AutoStartPageControl->PageCount() - 1);
  EXPECT_EQ(press(false), 0);
}

// The program shows the window as soon as its tabs and the Info page exist:
// no other page is built yet, so no file or key can hold the window back.
TEST(MainFormStartTest, ShowsTheTabsAndTheInfoPageBeforeAnyOtherPageIsBuilt) {
  TRunKeysSandbox sandbox;
  TFakeInteraction dialogs;
  int tabs = 0, sheets = 0;
  bool infoShown = false;
  TMainForm form([&](HWND frame) {
    HWND pageControl = FindWindowExA(frame, nullptr, WC_TABCONTROLA, nullptr);
    tabs = TabCtrl_GetItemCount(pageControl);
    for (HWND sheet = GetWindow(pageControl, GW_CHILD); sheet; sheet = GetWindow(sheet, GW_HWNDNEXT)) {
      ++sheets;
      infoShown = GetWindowLongA(sheet, GWL_STYLE) & WS_VISIBLE;
    }
  });
  EXPECT_EQ(tabs, 16);
  EXPECT_EQ(sheets, 1);
  EXPECT_TRUE(infoShown);
  EXPECT_EQ(form.AutoStartPageControl->ActivePageIndex(), 0);
}

// Once the window is shown the program builds a page in each idle turn of
// its loop, so that input waits for no more than one page; a page built
// later leaves the unsaved changes of those built before.
TEST(MainFormStartTest, BuildsOnePageInEachIdleTurnAndKeepsTheChangesOfPagesBuiltBefore) {
  TRunKeysSandbox sandbox;
  TFakeInteraction dialogs;
  {
    TMainForm form(nullptr, TPageBuilding::WhenIdle);
    TPageControl& pages = *form.AutoStartPageControl;
    EXPECT_EQ(BuiltPages(pages), 1);
    Application().Idle();
    ASSERT_EQ(BuiltPages(pages), 2);
    EXPECT_EQ(pages.Sheet(1), form.WinReg->Handle());
    form.Unsaved.Flag(TPageFlag::Registry) = true;
    for (int turn = 0; turn < pages.PageCount() && BuiltPages(pages) < pages.PageCount(); ++turn) {
      Application().ProcessMessages();
      Application().Idle();
    }
    EXPECT_EQ(BuiltPages(pages), pages.PageCount());
    EXPECT_EQ(pages.Sheet(12), form.Config->Handle());
    EXPECT_TRUE(form.Unsaved.Flag(TPageFlag::Registry));
    EXPECT_TRUE(form.Config->PrintBtn.OnClick);
    EXPECT_EQ(pages.ActivePageIndex(), 0);
  }
  Application().ProcessMessages();
  Application().Idle();  // the window is gone, and so is its idle work
}

// A tab chosen before its page is there gets it from the loop, ahead of the
// pages before it, not inside the tab control's notification; reached with
// Ctrl+Tab, the page's first control gets the focus once it is there.
TEST(MainFormStartTest, ATabChosenBeforeItsPageIsBuiltGetsItNextAndCtrlTabFocusesIt) {
  TRunKeysSandbox sandbox;
  TFakeInteraction dialogs;
  TMainForm form(nullptr, TPageBuilding::WhenIdle);
  TPageControl& pages = *form.AutoStartPageControl;
  form.Show();
  pages.SetActivePageIndex(12);
  EXPECT_EQ(BuiltPages(pages), 1);
  Application().ProcessMessages();
  ASSERT_TRUE(form.Config);
  EXPECT_TRUE(IsWindowVisible(form.Config->Handle()));
  EXPECT_FALSE(form.WinReg);

  pages.SetActivePageIndex(1);
  Application().ProcessMessages();
  EXPECT_EQ(PressCtrlTab(form, false), 2);
  ASSERT_TRUE(form.Startup);
  EXPECT_TRUE(IsWindowVisible(form.Startup->Handle()));
  EXPECT_TRUE(IsChild(form.Startup->Handle(), GetFocus()));
  EXPECT_EQ(BuiltPages(pages), 4);
}

TEST_F(MainFormTest, WindowHasItsCaptionClientSizeAndInfoPageTexts) {
  char caption[64] = {};
  GetWindowTextA(form.Handle(), caption, sizeof caption);
  EXPECT_STREQ(caption, "Velmora");
  RECT client;
  GetClientRect(form.Handle(), &client);
  // 622 x 413 with the standard dialog metrics; larger where the pages need
  // more (the layout tests see that every control is in sight).
  EXPECT_GE(client.right, 622);
  EXPECT_GE(client.bottom, 413);
  EXPECT_EQ(form.Info->Label9.Text().rfind("Velmora Version ", 0), 0u);
  EXPECT_GT(form.Info->Label9.Text().size(), std::string("Velmora Version ").size());
  EXPECT_EQ(form.Info->Label10.Text(), "Besuchen Sie uns im Internet:");
  EXPECT_EQ(form.Info->HelpBtn.Text(), "&Hilfe");
}

TEST_F(MainFormTest, StartsWithRunOfTheMachineShownAndEveryFlagClear) {
  EXPECT_EQ(form.WinReg->CurrentRegKey, "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run");
  EXPECT_TRUE(form.WinReg->HKLMRunBtn.Down());
  EXPECT_TRUE(form.AutoStartPageControl->Enabled());
  EXPECT_TRUE(form.BackupsEnabled);
  form.Close();
  ExpectShown(dialogs, {});  // an untouched window closes without a question
  EXPECT_EQ(form.Handle(), nullptr);
}

TEST_F(MainFormTest, BackupsItemStandsCheckedInBothSystemMenus) {
  for (HMENU menu : {WindowMenu(), ApplicationMenu()}) {
    EXPECT_EQ(MenuText(menu), "&Backups erstellen");
    EXPECT_TRUE(MenuState(menu) & MF_CHECKED);
    int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(GetMenuItemID(menu, count - 1), TMainForm::kBackupsCommand);
    EXPECT_TRUE(GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR);
  }
}

TEST_F(MainFormTest, BackupsItemTogglesTheSwitchFromEitherMenu) {
  ChooseBackupsItem(form.Handle());
  EXPECT_FALSE(form.BackupsEnabled);
  EXPECT_FALSE(MenuState(WindowMenu()) & MF_CHECKED);
  EXPECT_FALSE(MenuState(ApplicationMenu()) & MF_CHECKED);

  ChooseBackupsItem(Application().Handle());
  EXPECT_TRUE(form.BackupsEnabled);
  EXPECT_TRUE(MenuState(WindowMenu()) & MF_CHECKED);
  EXPECT_TRUE(MenuState(ApplicationMenu()) & MF_CHECKED);

  PostMessageA(form.Handle(), WM_SYSCOMMAND, 9998, 0);  // another command passes untouched
  Application().ProcessMessages();
  EXPECT_TRUE(form.BackupsEnabled);
}

TEST_F(MainFormTest, CloseAsksOnlyAboutSetFlagsInTableOrderAndSavesOnYesAtOnce) {
  std::vector<std::string> events;
  const TPageFlag all[] = {TPageFlag::Registry, TPageFlag::WinIni,   TPageFlag::SystemIni,
                           TPageFlag::ControlIni, TPageFlag::Winstart, TPageFlag::Dosstart,
                           TPageFlag::Autoexec, TPageFlag::Config,   TPageFlag::Msdos};
  for (TPageFlag flag : all) {
    int number = static_cast<int>(flag);
    form.Unsaved.SetSaveHandler(flag, [&, number, flag] {
      events.push_back("save " + std::to_string(number) + " after " + std::to_string(dialogs.Shown().size()));
      form.Unsaved.Flag(flag) = false;  // as a save that succeeds does
    });
    form.Unsaved.Flag(flag) = true;
  }
  dialogs.Answer({TModalResult::Yes, TModalResult::No, TModalResult::Yes, TModalResult::No, TModalResult::No,
                  TModalResult::Yes, TModalResult::No, TModalResult::No, TModalResult::Yes});
  form.Close();
  ExpectShown(dialogs, {Question("Änderungen in die Windows-Registrierung speichern?"),
                        Question("Änderungen in Win.ini speichern?"), Question("Änderungen in System.ini speichern?"),
                        Question("Änderungen in Control.ini speichern?"),
                        Question("Änderungen in Winstart.bat speichern?"),
                        Question("Änderungen in Dosstart.bat speichern?"),
                        Question("Änderungen in Autoexec.bat speichern?"),
                        Question("Änderungen in Config.sys speichern?"), Question("Änderungen in msdos.sys speichern?")});
  EXPECT_EQ(events, (std::vector<std::string>{"save 0 after 1", "save 2 after 3", "save 5 after 6", "save 8 after 9"}));
  EXPECT_EQ(form.Handle(), nullptr);  // no answer keeps the window open
}

TEST_F(MainFormTest, CloseWithThreePagesChangedAsksThreeQuestionsAndNoSavesNothing) {
  int saves = 0;
  for (TPageFlag flag : {TPageFlag::Registry, TPageFlag::SystemIni, TPageFlag::Msdos}) {
    form.Unsaved.Flag(flag) = true;
    form.Unsaved.SetSaveHandler(flag, [&] { ++saves; });
  }
  dialogs.Answer({TModalResult::No, TModalResult::No, TModalResult::No});
  bool canClose = true;
  form.FormCloseQuery(canClose);
  EXPECT_TRUE(canClose);
  ExpectShown(dialogs, {Question("Änderungen in die Windows-Registrierung speichern?"),
                        Question("Änderungen in System.ini speichern?"), Question("Änderungen in msdos.sys speichern?")});
  EXPECT_EQ(saves, 0);
}

class BackupCopyTest : public MainFormTest {
 protected:
  TScratchFolder folder{"backup-copy"};
};

TEST(BackupCopyName, ReplacesTheExtensionOfTheFileNameOnly) {
  EXPECT_EQ(BackupCopyName("C:\\WINDOWS\\Win.ini"), "C:\\WINDOWS\\Win.VLM");
  EXPECT_EQ(BackupCopyName("C:\\Autoexec.bat"), "C:\\Autoexec.VLM");
  EXPECT_EQ(BackupCopyName("C:\\WINDOWS\\WINSTART"), "C:\\WINDOWS\\WINSTART.VLM");
  EXPECT_EQ(BackupCopyName("C:\\Ordner.alt\\CONFIG"), "C:\\Ordner.alt\\CONFIG.VLM");
  EXPECT_EQ(BackupCopyName("C:\\a.b.sys"), "C:\\a.b.VLM");
}

TEST_F(BackupCopyTest, CopiesTheFileAndEachNewCopyReplacesTheLast) {
  std::string file = folder.File("Win.ini");
  WriteFileBytes(file, "erste Fassung");
  form.MakeBackupCopy(file);
  WriteFileBytes(file, "zweite Fassung");
  form.MakeBackupCopy(file);
  EXPECT_EQ(ReadFileBytes(folder.File("Win.VLM")), "zweite Fassung");
}

TEST_F(BackupCopyTest, AnExistingReadOnlyCopyIsOverwrittenAndKeepsItsAttributes) {
  std::string file = folder.File("Config.sys"), copy = folder.File("Config.VLM");
  WriteFileBytes(file, "DEVICE=HIMEM.SYS");
  WriteFileBytes(copy, "alt");
  SetFileAttributesA(copy.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_SYSTEM);
  const DWORD copyAttributes = GetFileAttributesA(copy.c_str());
  ASSERT_EQ(copyAttributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM),
            static_cast<DWORD>(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
  form.MakeBackupCopy(file);
  EXPECT_EQ(ReadFileBytes(copy), "DEVICE=HIMEM.SYS");
  EXPECT_EQ(GetFileAttributesA(copy.c_str()), copyAttributes);
  ExpectShown(dialogs, {});
}

TEST_F(BackupCopyTest, NothingWhenTheSwitchIsOffOrTheFileIsMissing) {
  std::string file = folder.File("System.ini");
  WriteFileBytes(file, "[boot]");
  ChooseBackupsItem(form.Handle());
  form.MakeBackupCopy(file);
  EXPECT_EQ(GetFileAttributesA(folder.File("System.VLM").c_str()), INVALID_FILE_ATTRIBUTES);

  ChooseBackupsItem(form.Handle());
  form.MakeBackupCopy(folder.File("Winstart.bat"));
  EXPECT_EQ(GetFileAttributesA(folder.File("Winstart.VLM").c_str()), INVALID_FILE_ATTRIBUTES);
  ExpectShown(dialogs, {});

  form.MakeBackupCopy(file);  // switched on again: copies once more
  EXPECT_EQ(ReadFileBytes(folder.File("System.VLM")), "[boot]");
}

}  // namespace
