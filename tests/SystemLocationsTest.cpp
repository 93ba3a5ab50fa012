// The Windows folder, the boot drive and the start-up folders, from values
// written into the registry of the test prefix.
#include <gtest/gtest.h>
#include <windows.h>

#include "support/SystemLocations.h"
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

}  // namespace
