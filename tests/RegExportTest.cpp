// The text of a REGEDIT4 file.
#include <gtest/gtest.h>

#include "registry/RegExport.h"

namespace {

TEST(EscapeRegString, DoublesBackslashesThenEscapesQuotesAndNothingElse) {
  EXPECT_EQ(EscapeRegString("C:\\Tools\\tool.exe"), "C:\\\\Tools\\\\tool.exe");
  EXPECT_EQ(EscapeRegString("say \"hi\""), "say \\\"hi\\\"");
  EXPECT_EQ(EscapeRegString("\\\""), "\\\\\\\"");  // the quote's backslash is not doubled again
  EXPECT_EQ(EscapeRegString("\tä%"), "\tä%");
}

TEST(RegExportText, OneRowGivesFiveCrLfLines) {
  EXPECT_EQ(RegExportText("HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run",
                          {{"Tool", "C:\\Tools\\tool.exe", false}}),
            "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run]\r\n"
            "\"Tool\"=\"C:\\\\Tools\\\\tool.exe\"\r\n\r\n");
}

TEST(RegExportText, RowsInTheOrderGivenWithNamesEscapedAndTheDefaultValueAsEmptyName) {
  EXPECT_EQ(RegExportText("HKEY_CURRENT_USER\\X", {{"b\"\\", "1", false}, {"", "say \"x\"", false}}),
            "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\X]\r\n\"b\\\"\\\\\"=\"1\"\r\n\"\"=\"say \\\"x\\\"\"\r\n\r\n");
  EXPECT_EQ(RegExportText("HKEY_CURRENT_USER\\X", {}), "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\X]\r\n\r\n");
}

TEST(RegExportText, LineBreaksInAValueAndExpandableStringsAreWrittenAsBytesOfTheirType) {
  EXPECT_EQ(RegExportText("K", {{"a", "A\r\n\xE4", false}, {"e", "%x%", true}}),
            "REGEDIT4\r\n\r\n[K]\r\n\"a\"=hex(1):41,0d,0a,e4,00\r\n\"e\"=hex(2):25,78,25,00\r\n\r\n");
}

TEST(NameThatCannotBeExported, IsTheFirstNameWithALineBreak) {
  EXPECT_EQ(NameThatCannotBeExported({{"a", "x\ny", false}, {"b", "", false}}), std::nullopt);
  EXPECT_EQ(NameThatCannotBeExported({{"a", "", false}, {"b\rc", "", false}, {"d\n", "", false}}), "b\rc");
}

}  // namespace
