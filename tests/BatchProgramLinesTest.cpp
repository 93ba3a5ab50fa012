#include <gtest/gtest.h>

#include "support/BatchProgramLines.h"

namespace {

TEST(BatchProgramLines, OnlyLinesThatStartAProgramAreStartUpEntries) {
  const std::string text =
      "@ECHO OFF\r\n"
      "REM Treiber laden\r\n"
      ":: auch eine Bemerkung\r\n"
      "\r\n"
      "SET TEMP=C:\\TEMP\r\n"
      "PATH C:\\WINDOWS;C:\\DOS\r\n"
      "C:\\DOS\\SMARTDRV.EXE /X 2048\r\n"
      "LH /L:1 C:\\MOUSE\\MOUSE.COM\r\n"
      "loadhigh doskey\r\n"
      "@call c:\\tools\\netz.bat > NUL\r\n"
      "\"C:\\Program Files\\Tool\\t.exe\" /s\r\n"
      ":ende\r\n"
      "echo.\r\n"
      "C:\r\n"
      "REMOTE.EXE\n"
      "  mscdex /d:cd1";
  const std::vector<std::pair<int, std::string>> expected = {
      {7, "C:\\DOS\\SMARTDRV.EXE"}, {8, "C:\\MOUSE\\MOUSE.COM"}, {9, "doskey"},  {10, "c:\\tools\\netz.bat"},
      {11, "\"C:\\Program Files\\Tool\\t.exe\""},   {15, "REMOTE.EXE"}, {16, "mscdex"}};
  std::vector<std::pair<int, std::string>> found;
  for (const TProgramLine& line : ProgramLinesOf(text)) found.emplace_back(line.lineNumber, line.program);
  EXPECT_EQ(found, expected);
  EXPECT_EQ(ProgramLinesOf(text)[0].line, "C:\\DOS\\SMARTDRV.EXE /X 2048");
}

}  // namespace
