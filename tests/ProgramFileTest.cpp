// The program file of a command line, and the search for it.
#include <gtest/gtest.h>
#include <windows.h>

#include "registry/ProgramFile.h"
#include "tests/ScratchFolder.h"

namespace {

TEST(ExtractProgramFile, WorkedExamples) {
  SetEnvironmentVariableA("VELMORA_DIR", "C:\\WINDOWS");
  const std::pair<const char*, const char*> examples[] = {
      {"C:\\WINDOWS\\SYSTEM\\SYSTRAY.EXE", "C:\\WINDOWS\\SYSTEM\\SYSTRAY.EXE"},
      {"\"C:\\Program Files\\Tool\\tool.exe\" /min", "C:\\Program Files\\Tool\\tool.exe"},
      {"rundll32.exe shell32.dll,Control_RunDLL", "rundll32.exe"},
      {"C:\\Tools\\tool.exe -a -b", "C:\\Tools\\tool.exe -a"},
      {"C:\\Program Files\\Tool\\tool.exe", "C:\\Program"},
      {"\"C:\\Tools\\tool.exe -a", "\"C:\\Tools\\tool.exe"},
      {"%VELMORA_DIR%\\notepad.exe", "C:\\WINDOWS\\notepad.exe"},
      {"%VELMORA_UNSET%\\a.exe x", "%VELMORA_UNSET%\\a.exe"},
      {"C:\\Tools\\tool.exe\t/tab", "C:\\Tools\\tool.exe"},
      {"   ", ""},
      {"\t\r\n", ""},
      {"", ""},
  };
  for (auto& [commandLine, program] : examples) EXPECT_EQ(ExtractProgramFile(commandLine), program) << commandLine;
}

TEST(ExtractProgramFile, AnExpansionTooLongForItsBufferLeavesTheLineUnexpanded) {
  SetEnvironmentVariableA("VELMORA_LONG", std::string(300, 'x').c_str());
  EXPECT_EQ(ExtractProgramFile("%VELMORA_LONG%\\tool.exe /a"), "%VELMORA_LONG%\\tool.exe");
  SetEnvironmentVariableA("VELMORA_LONG", std::string(240, 'x').c_str());  // just fits
  EXPECT_EQ(ExtractProgramFile("%VELMORA_LONG%\\t.exe"), std::string(240, 'x') + "\\t.exe");
}

TEST(ProgramFileExists, FindsPathsAsGivenAndBareNamesAlongTheSearchOrderWithoutAddingAnExtension) {
  TScratchFolder folder("program-file");
  WriteFileBytes(folder.File("mein tool.exe"), "MZ");
  EXPECT_TRUE(ProgramFileExists(folder.File("mein tool.exe")));
  EXPECT_FALSE(ProgramFileExists(folder.File("fehlt.exe")));
  EXPECT_TRUE(ProgramFileExists("notepad.exe"));
  EXPECT_FALSE(ProgramFileExists("notepad"));
  EXPECT_FALSE(ProgramFileExists(""));
}

}  // namespace
