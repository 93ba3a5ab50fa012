// The Windows folder, the boot drive and the start-up folders, from values
// written into the registry of the test prefix.
#include <gtest/gtest.h>
#include <windows.h>

#include "support/SystemLocations.h"
#include "support/WindowsVersion.h"
#include "tests/RegistrySandbox.h"
#include "tests/ScratchFolder.h"

namespace {

const char kSetup[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Setup";
const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";

TEST(SystemLocations, WindowsFolderAsTheSystemGivesIt) {
  char expected[MAX_PATH] = {};
  GetWindowsDirectoryA(expected, MAX_PATH);
  EXPECT_EQ(GetWinDir(), expected);
  EXPECT_NE(GetWinDir().back(), '\\');
}

TEST(SystemLocations, BootDirAlwaysEndsInOneBackslashAndFallsBackToC) {
  TKeptValue bootDir(HKEY_LOCAL_MACHINE, kSetup, "BootDir");
  bootDir.Delete();
  EXPECT_EQ(GetBootDir(), "C:\\");
  bootDir.Set("D:");
  EXPECT_EQ(GetBootDir(), "D:\\");
  bootDir.Set("E:\\");
  EXPECT_EQ(GetBootDir(), "E:\\");
  bootDir.Set("");
  EXPECT_EQ(GetBootDir(), "C:\\");
}

TEST(SystemLocations, UserStartupFolderFromTheRegistryOrTheGermanDefault) {
  TKeptValue startup(HKEY_CURRENT_USER, kShellFolders, "Startup");
  startup.Set("C:\\Benutzer\\Autostart");
  EXPECT_EQ(GetUserStartupDir(), "C:\\Benutzer\\Autostart");
  startup.Set("");
  EXPECT_EQ(GetUserStartupDir(), "");  // taken as stored, even empty
  startup.Delete();
  EXPECT_EQ(GetUserStartupDir(), GetWinDir() + "\\Startmenü\\Autostart");
}

TEST(SystemLocations, CommonStartupFolderFallsBackToCommonProgramsOnlyWhenItIsNoFolder) {
  TScratchFolder folder("common-startup");
  TKeptValue common(HKEY_LOCAL_MACHINE, kShellFolders, "Common Startup");
  TKeptValue programs(HKEY_LOCAL_MACHINE, kShellFolders, "Common Programs");
  common.Set(folder.Path());
  programs.Set("C:\\Alle\\Programme");
  EXPECT_EQ(GetCommonStartupDir(), folder.Path());
  common.Set(folder.File("fehlt"));
  EXPECT_EQ(GetCommonStartupDir(), "C:\\Alle\\Programme\\Autostart");
  common.Delete();
  programs.Set("C:\\Dokumente und Einstellungen\\All Users\\Startmenü\\Programme\\");
  EXPECT_EQ(GetCommonStartupDir(), "C:\\Dokumente und Einstellungen\\All Users\\Startmenü\\Programme\\Autostart");
  common.Set(folder.File("fehlt"));
  programs.Delete();
  EXPECT_EQ(GetCommonStartupDir(), folder.File("fehlt"));
}

// On 64-bit Windows the machine's folders are those of the 64-bit view,
// whichever build reads them; a 32-bit program would be shown the 32-bit one.
// (The Setup key of BootDir is one key that both views share.)
TEST(SystemLocations, OnWindows64TheCommonStartupFolderComesFromThe64BitView) {
  if (!IsWin64()) GTEST_SKIP() << "32-bit Windows has one view";
  TScratchFolder folder("common-startup-64");
  TKeptValue common(HKEY_LOCAL_MACHINE, kShellFolders, "Common Startup", KEY_WOW64_64KEY);
  TKeptValue common32(HKEY_LOCAL_MACHINE, kShellFolders, "Common Startup", KEY_WOW64_32KEY);
  common.Set(folder.Path());
  common32.Set(GetWinDir());
  EXPECT_EQ(GetCommonStartupDir(), folder.Path());
}

}  // namespace
