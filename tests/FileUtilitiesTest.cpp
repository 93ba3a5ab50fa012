// File sizes, German upper case and the WININIT.INI entries.
#include <gtest/gtest.h>
#include <windows.h>

#include "support/FileCopy.h"
#include "support/FileReplace.h"
#include "support/MyTools.h"
#include "support/SystemLocations.h"
#include "support/Tools.h"
#include "tests/RegistrySandbox.h"
#include "support/WininitFile.h"
#include "tests/ScratchFolder.h"

namespace {

using Lines = std::vector<std::string>;

TEST(MyTools, FileSizeOfFilesFoldersAndMissingPaths) {
  TScratchFolder folder("file-size");
  WriteFileBytes(folder.File("leer.txt"), "");
  WriteFileBytes(folder.File("drei.txt"), "abc");
  EXPECT_EQ(MyTools.FileSizeOf(folder.File("leer.txt")), 0);
  EXPECT_EQ(MyTools.FileSizeOf(folder.File("drei.txt")), 3);
  EXPECT_EQ(MyTools.FileSizeOf(folder.File("d*.txt")), 3);
  EXPECT_EQ(MyTools.FileSizeOf(folder.Path()), -1);
  EXPECT_EQ(MyTools.FileSizeOf(folder.File("fehlt.txt")), -1);
}

TEST(MyTools, RepeatTextGrowsPastN) {
  EXPECT_EQ(MyTools.RepeatText("x", 70), std::string(71, 'x'));
  EXPECT_EQ(MyTools.RepeatText("ab", 3), "abab");
  EXPECT_EQ(MyTools.RepeatText("ab", 0), "ab");
}

TEST(MyTools, UpperCaseGermanKeepsSharpS) {
  // ö follows the rule for ä, ö and ü; only ß has no upper case.
  EXPECT_EQ(MyTools.UpperCaseGerman("größe"), "GRÖßE");
  EXPECT_EQ(MyTools.UpperCaseGerman("äöü az AZ é"), "ÄÖÜ AZ AZ é");
}

TEST(WininitEntries, GoAtTheEndOfTheRenameSectionBeforeItsBlankLines) {
  Lines lines = {"[rename]", "A=B", "C=D", "", "[Other]", "x=y"};
  AddRenameEntry(lines, "E=F");
  EXPECT_EQ(lines, (Lines{"[rename]", "A=B", "C=D", "E=F", "", "[Other]", "x=y"}));

  Lines upper = {"[RENAME]", "A=B"};
  AddRenameEntry(upper, "E=F");
  EXPECT_EQ(upper, (Lines{"[RENAME]", "A=B", "E=F"}));

  Lines emptySection = {"[rename]", "[Other]"};
  AddRenameEntry(emptySection, "E=F");
  EXPECT_EQ(emptySection, (Lines{"[rename]", "E=F", "[Other]"}));

  Lines emptySectionThenBlank = {"[rename]", "", "", "[Other]"};
  AddRenameEntry(emptySectionThenBlank, "E=F");
  EXPECT_EQ(emptySectionThenBlank, (Lines{"[rename]", "E=F", "", "", "[Other]"}));

  Lines none = {"[Other]", "x=y"};
  AddRenameEntry(none, "E=F");
  EXPECT_EQ(none, (Lines{"[Other]", "x=y", "[rename]", "E=F"}));

  Lines indented = {" [rename]", "[rename]x"};  // the whole line must be the header
  AddRenameEntry(indented, "E=F");
  EXPECT_EQ(indented, (Lines{" [rename]", "[rename]x", "[rename]", "E=F"}));
}

TEST(WininitName, ShortUpperCaseFolderWithTheFileNameInUpperCase) {
  EXPECT_EQ(WininitName("NUL"), "NUL");
  EXPECT_EQ(WininitName("C:\\autoexec.bat"), "C:\\AUTOEXEC.BAT");
  TScratchFolder folder("wininit name");
  CreateDirectoryA(folder.File("Mein langer Ordner").c_str(), nullptr);
  char shortName[MAX_PATH] = {};
  ASSERT_NE(GetShortPathNameA(folder.File("Mein langer Ordner").c_str(), shortName, MAX_PATH), 0u);
  EXPECT_EQ(WininitName(folder.File("Mein langer Ordner\\Lange Datei.txt")),
            MyTools.UpperCaseGerman(shortName) + "\\LANGE DATEI.TXT");
  // A folder that does not exist keeps its long form.
  EXPECT_EQ(WininitName("C:\\Gibt es nicht\\größe.sys"), "C:\\GIBT ES NICHT\\GRÖßE.SYS");
}

// WININIT.INI of the test prefix, removed again afterwards: every new Wine
// session would otherwise carry out what a test scheduled.
class ReplaceAtRebootTest : public testing::Test {
 protected:
  const std::string wininit = GetWinDir() + "\\WININIT.INI";
  TScratchFolder folder{"replace-at-reboot"};
  TKeptValue pending{HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Session Manager",
                     "PendingFileRenameOperations"};
  void SetUp() override { Remove(); }
  void TearDown() override { Remove(); }
  void Remove() {
    SetFileAttributesA(wininit.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(wininit.c_str());
    RemoveDirectoryA(wininit.c_str());
  }
};

TEST_F(ReplaceAtRebootTest, OnWindows9xWritesRenameEntriesIntoWininit) {
  if (IsWinNT) GTEST_SKIP() << "WININIT.INI serves the 9x family only";
  const std::string copy = folder.File("SYSTEM.DAT"), live = GetWinDir() + "\\SYSTEM.DAT";
  EXPECT_EQ(ReplaceAtReboot(copy, live), "");
  const std::string entry = WininitName(live) + "=" + WininitName(copy);
  EXPECT_EQ(ReadFileBytes(wininit), "[rename]\r\n" + entry + "\r\n");

  SetFileAttributesA(wininit.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(ReplaceAtReboot(copy, "NUL"), "");
  EXPECT_EQ(ReadFileBytes(wininit), "[rename]\r\n" + entry + "\r\nNUL=" + WininitName(copy) + "\r\n");
  EXPECT_EQ(GetFileAttributesA(wininit.c_str()), static_cast<DWORD>(FILE_ATTRIBUTE_ARCHIVE));
}

TEST_F(ReplaceAtRebootTest, AWininitThatCannotBeReadIsReported) {
  if (IsWinNT) GTEST_SKIP() << "WININIT.INI serves the 9x family only";
  CreateDirectoryA(wininit.c_str(), nullptr);
  EXPECT_EQ(ReplaceAtReboot(folder.File("a"), "NUL"), "Datei " + wininit + " kann nicht geöffnet werden.");
}

// Another program's pending entries survive every failure: the file is
// never rewritten in place.
TEST_F(ReplaceAtRebootTest, AWininitThatCannotBeRewrittenWholeIsLeftAsItWasAndReported) {
  if (IsWinNT) GTEST_SKIP() << "WININIT.INI serves the 9x family only";
  const std::string pendingFile = wininit + ".$$$";
  const struct {
    const char* name;
    std::string bytes;
    bool blockWritingBeside;
    std::string message;
  } cases[] = {
      {"NUL byte", std::string("[rename]\r\nNUL=C:\\ALT.EXE\r\n\0NUL=C:\\NACH.EXE\r\n", 44), false,
       "Die Datei " + wininit + " enthält binäre Daten und wird nicht geändert."},
      {"no room beside", "[rename]\r\nNUL=C:\\ALT.EXE\r\n", true,
       "Datei \"" + wininit + "\" kann nicht erstellt werden."},
  };
  for (const auto& c : cases) {
    WriteFileBytes(wininit, c.bytes);
    if (c.blockWritingBeside) CreateDirectoryA(pendingFile.c_str(), nullptr);
    EXPECT_EQ(ReplaceAtReboot(folder.File("a"), "NUL"), c.message) << c.name;
    EXPECT_EQ(ReadFileBytes(wininit), c.bytes) << c.name;
    RemoveDirectoryA(pendingFile.c_str());
  }
}

TEST_F(ReplaceAtRebootTest, OnTheNtFamilyAsksForADelayedMove) {
  if (!IsWinNT) GTEST_SKIP() << "delayed moves serve the NT family only";
  pending.Delete();
  const std::string copy = folder.File("kopie.ini"), live = folder.File("live.ini");
  WriteFileBytes(copy, "neu");
  EXPECT_EQ(ReplaceAtReboot(copy, live), "");
  EXPECT_EQ(ReplaceAtReboot(copy, "NUL"), "");
  EXPECT_EQ(GetFileAttributesA(wininit.c_str()), INVALID_FILE_ATTRIBUTES);
  std::string operations;
  for (const TStoredValue& value : StoredValues(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Session Manager"))
    if (value.name == "PendingFileRenameOperations") operations = value.data;
  EXPECT_EQ(operations, std::string("\\??\\") + copy + '\0' + "\\??\\" + live + '\0' + "\\??\\" + copy + '\0' +
                            '\0' + '\0');
}

TEST(CopyFilesPaired, CopiesEachSourceToItsOwnDestinationCreatingFoldersAndOverwriting) {
  TScratchFolder folder("copy-paired");
  WriteFileBytes(folder.File("a.txt"), "A");
  WriteFileBytes(folder.File("b.txt"), "B");
  WriteFileBytes(folder.File("alt.txt"), "alt");
  EXPECT_TRUE(CopyFilesPaired(nullptr, {folder.File("a.txt"), folder.File("b.txt")},
                              {folder.File("neu\\tief\\A.KOP"), folder.File("alt.txt")}, "Dateien werden gesichert!"));
  EXPECT_EQ(ReadFileBytes(folder.File("neu\\tief\\A.KOP")), "A");
  EXPECT_EQ(ReadFileBytes(folder.File("alt.txt")), "B");
  EXPECT_EQ(ReadFileBytes(folder.File("a.txt")), "A");  // copied, not moved
}

TEST(CopyFilesPaired, AnEmptyListOrAMissingSourceIsAFailure) {
  TScratchFolder folder("copy-paired-fails");
  EXPECT_FALSE(CopyFilesPaired(nullptr, {}, {}, "x"));
  WriteFileBytes(folder.File("da.txt"), "da");
  EXPECT_FALSE(CopyFilesPaired(nullptr, {folder.File("da.txt"), folder.File("fehlt.txt")},
                               {folder.File("k1.txt"), folder.File("k2.txt")}, "x"));
}

// The 9x family's replacing, tried on either family: whatever fails, the
// target holds either its old bytes or the finished ones, and nothing is
// left beside it.
TEST(ReplaceByRenaming, TheTargetHoldsTheOldOrTheNewFileAndNothingIsLeftBeside) {
  TScratchFolder folder("replace-renaming");
  const std::string finished = folder.File("neu.$$$"), target = folder.File("MSDOS.SYS"), aside = target + ".alt$$$";
  const struct {
    const char* name;
    bool targetExists, staleAside, finishedExists;
    const std::string* heldOpen;
    bool replaced;
  } cases[] = {
      {"no target yet", false, false, true, nullptr, true},
      {"read-only, hidden target", true, false, true, nullptr, true},
      {"left aside by an earlier save", true, true, true, nullptr, true},
      {"finished file missing", true, false, false, nullptr, false},
      {"finished file held open", true, false, true, &finished, false},
      {"target held open", true, false, true, &target, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.targetExists) {
      WriteFileBytes(target, "alt");
      SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    }
    if (c.staleAside) WriteFileBytes(aside, "älter");
    if (c.finishedExists) WriteFileBytes(finished, "neu");
    HANDLE held = c.heldOpen ? CreateFileA(c.heldOpen->c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                           OPEN_EXISTING, 0, nullptr)
                             : INVALID_HANDLE_VALUE;
    EXPECT_EQ(ReplaceByRenaming(finished, target), c.replaced);
    if (held != INVALID_HANDLE_VALUE) CloseHandle(held);
    EXPECT_EQ(ReadFileBytes(target), c.replaced ? "neu" : "alt");
    EXPECT_FALSE(FileExists(aside));
    EXPECT_EQ(FileExists(finished), c.finishedExists && !c.replaced);
    for (const std::string& file : {target, finished}) {
      SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(file.c_str());
    }
  }
}

}  // namespace
