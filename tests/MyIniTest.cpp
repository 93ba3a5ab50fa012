// Single entries of an INI file through the profile functions.
#include <gtest/gtest.h>
#include <windows.h>

#include "support/MyIni.h"
#include "tests/FakeInteraction.h"
#include "tests/ScratchFolder.h"

namespace {

class MyIniTest : public testing::Test {
 protected:
  TFakeInteraction dialogs;
  TScratchFolder folder{"my-ini"};
  TTheIniFile ini;

  void OpenUserFile(const std::string& name) {
    ini.IniLocation = TIniLocation::loUser;
    ini.SetIniFileName(folder.File(name));
    ini.Section = "Abschnitt";
    ini.SetOpen(true);
  }
};

constexpr DWORD kGuarded = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// Opening and reading leave the file as it was, whatever its attributes.
TEST_F(MyIniTest, OpensAndReadsAHiddenSystemReadOnlyFileLeavingItsAttributesAndBytes) {
  const std::string bytes = "[Abschnitt]\r\nSchl\xFC" "ssel=Wert \xE4\r\nLeer=\r\n";
  WriteFileBytes(folder.File("a.ini"), bytes);
  SetFileAttributesA(folder.File("a.ini").c_str(), kGuarded);
  OpenUserFile("a.ini");
  EXPECT_EQ(ini.ErrorCode, 0);
  EXPECT_EQ(ini.ReadEntry("schlüssel", "x"), "Wert ä");  // keys ignore case
  EXPECT_EQ(ini.ErrorCode, 0);
  EXPECT_EQ(ini.ReadEntry("Leer", "x"), "");
  EXPECT_EQ(ini.ErrorCode, 0);
  EXPECT_EQ(ini.ReadEntry("Fehlt", "vorgabe"), "vorgabe");
  EXPECT_EQ(ini.ErrorCode, -1);
  EXPECT_EQ(ini.ReadEntry("", "vorgabe"), "");
  EXPECT_EQ(ini.ErrorCode, 0);
  EXPECT_EQ(GetFileAttributesA(folder.File("a.ini").c_str()) & kGuarded, kGuarded);
  EXPECT_EQ(ReadFileBytes(folder.File("a.ini")), bytes);
  ExpectShown(dialogs, {});
}

TEST_F(MyIniTest, WritingAHiddenSystemReadOnlyFileWorksAndGivesItsAttributesBack) {
  WriteFileBytes(folder.File("w.ini"), "[Abschnitt]\r\nalt=1\r\n");
  SetFileAttributesA(folder.File("w.ini").c_str(), kGuarded);
  const DWORD before = GetFileAttributesA(folder.File("w.ini").c_str());
  OpenUserFile("w.ini");
  EXPECT_TRUE(ini.WriteEntry("neu", "2"));
  EXPECT_EQ(ini.ErrorCode, 0);
  EXPECT_EQ(GetFileAttributesA(folder.File("w.ini").c_str()), before);
  EXPECT_EQ(ReadFileBytes(folder.File("w.ini")), "[Abschnitt]\r\nalt=1\r\nneu=2\r\n");
  ExpectShown(dialogs, {});
}

TEST_F(MyIniTest, TheIniErrorMarkerReadsAsMissing) {
  WriteFileBytes(folder.File("m.ini"), "[Abschnitt]\r\nMarke=INIERROR\r\n");
  OpenUserFile("m.ini");
  EXPECT_EQ(ini.ReadEntry("Marke", "d"), "d");
  EXPECT_EQ(ini.ErrorCode, -1);
}

TEST_F(MyIniTest, AMissingFileOpensWithCodeTwoAndTheFirstWriteCreatesIt) {
  OpenUserFile("neu.ini");
  EXPECT_EQ(ini.ErrorCode, 2);
  EXPECT_EQ(GetFileAttributesA(folder.File("neu.ini").c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(ini.ReadEntry("x", "d"), "d");
  EXPECT_EQ(ini.ErrorCode, -1);
  EXPECT_TRUE(ini.WriteEntry("x", "1"));
  EXPECT_EQ(ini.ReadEntry("x", "d"), "1");
  EXPECT_EQ(ReadFileBytes(folder.File("neu.ini")), "[Abschnitt]\r\nx=1\r\n");
}

TEST_F(MyIniTest, AFileThatCannotBeCreatedGivesThePlatformsErrorAndIsNotUsable) {
  OpenUserFile("fehlt\\neu.ini");
  EXPECT_EQ(ini.ErrorCode, ERROR_PATH_NOT_FOUND);
  EXPECT_TRUE(ini.Open());
  EXPECT_EQ(ini.ReadEntry("x", "d"), "d");
  EXPECT_FALSE(ini.WriteEntry("x", "1"));
  ExpectShown(dialogs, {Plain("Bitte Dateiname angeben."), Plain("Bitte Dateiname angeben.")});
}

TEST_F(MyIniTest, ANewFileNameClosesAndReadingThenAsksForAFileName) {
  WriteFileBytes(folder.File("a.ini"), "[Abschnitt]\r\nk=v\r\n");
  OpenUserFile("a.ini");
  ini.SetIniFileName(folder.File("b.ini"));
  EXPECT_FALSE(ini.Open());
  EXPECT_EQ(ini.ReadEntry("k", "d"), "d");
  ExpectShown(dialogs, {Plain("Bitte Dateiname angeben.")});
}

TEST_F(MyIniTest, LocationsAndTheDefaultFolder) {
  ini.SetDefFilePath("C:\\INI");
  EXPECT_EQ(ini.DefFilePath(), "C:\\INI\\");
  ini.SetDefFilePath("C:\\INI\\");
  EXPECT_EQ(ini.DefFilePath(), "C:\\INI\\");
  ini.SetDefFilePath(folder.Path());
  ini.IniLocation = TIniLocation::loDefUser;
  ini.SetIniFileName("d.ini");
  ini.Section = "Abschnitt";
  ini.SetOpen(true);
  EXPECT_EQ(ini.FullPath(), folder.File("d.ini"));
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  ini.IniLocation = TIniLocation::loWinDir;
  ini.SetIniFileName("Win.ini");
  ini.SetOpen(true);
  EXPECT_EQ(ini.FullPath(), std::string(windows) + "\\Win.ini");
  EXPECT_EQ(ini.ErrorCode, 0);
}

}  // namespace
