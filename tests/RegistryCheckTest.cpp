// "Überprüfen" on the Registry page.
#include "support/Tools.h"
#include "tests/RegistryPageFixture.h"
#include "tests/ScratchFolder.h"

namespace {

using RegistryCheckTest = RegistryPageTest;

TEST_F(RegistryCheckTest, ReportsEachEntryWhoseProgramIsMissingInListOrderAndChangesNothing) {
  TScratchFolder folder("check");
  CreateDirectoryA(folder.File("Mein Tool").c_str(), nullptr);
  const std::string tool = folder.File("Mein Tool\\tool.exe");
  WriteFileBytes(tool, "MZ");
  Store(kHKLMRun, "Ganz", tool);             // the whole value is a file
  Store(kHKLMRun, "Arg", tool + " /x");      // the program without its argument is
  Store(kHKLMRun, "Windir", "%windir%\\system32\\notepad.exe", REG_EXPAND_SZ);
  Store(kHKLMRun, "Notepad", "notepad");     // no extension is added
  Store(kHKLMRun, "Leer", "");
  Open();
  AddUnsavedRow("Zuletzt", "fehlt.exe");
  const std::vector<std::string> before = Rows();
  Press(Page().RegCheckBtn);
  ExpectShown(dialogs, {Error("Datei für Zeichenkette: \"Leer\" nicht gefunden!"),
                        Error("Datei für Zeichenkette: \"Notepad\" nicht gefunden!"),
                        Error("Datei für Zeichenkette: \"Zuletzt\" nicht gefunden!")});
  EXPECT_EQ(Rows(), before);
  EXPECT_TRUE(Page().RegChanged);
}

TEST_F(RegistryCheckTest, SaysAllIsWellOnlyWhenEveryProgramWasFound) {
  Store(kHKLMRun, "Notepad", "notepad.exe /p");
  Store(kHKLMRun, "Rundll", "rundll32.exe shell32.dll,Control_RunDLL");
  Open();
  Press(Page().RegCheckBtn);
  ExpectShown(dialogs, {Info("Alle Dateiangaben sind korrekt!")});
  EXPECT_FALSE(Page().RegChanged);
}

// Its '?' form names no file: the check says it cannot tell, instead of
// reporting a program as missing that may well be there.
TEST_F(RegistryCheckTest, AnEntryTheAnsiCodePageCannotCarryIsNotReportedMissing) {
  if (!IsWinNT) GTEST_SKIP() << "the 9x family's registry holds ANSI text only";
  StoreForeignEntry("Fremd");
  Store(kHKLMRun, "Notepad", "notepad.exe");
  Open();
  Press(Page().RegCheckBtn);
  ExpectShown(dialogs, {Info("Der Eintrag \"Fremd\" enthält Zeichen, die hier nur als \"?\" angezeigt werden "
                             "können. Seine Datei kann hier nicht geprüft werden.")});
}

TEST_F(RegistryCheckTest, AnEmptyListShowsNothing) {
  Open();
  Page().RegCheckBtnClick();
  ExpectShown(dialogs, {});
}

}  // namespace
