#include <gtest/gtest.h>

#include "support/CsvText.h"
#include "support/EntryComparison.h"
#include "support/EntryList.h"

namespace {

std::string U8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

TEST(CsvText, FieldsRoundTripAndAreQuotedOnlyWhereNeeded) {
  const struct {
    std::string field, written;
  } cases[] = {
      {"plain", "plain"},
      {"", ""},
      {"a;b", "\"a;b\""},
      {"say \"hi\"", "\"say \"\"hi\"\"\""},
      {"line\r\nbreak", "\"line\r\nbreak\""},
      {"lf\nonly", "\"lf\nonly\""},
      {"a,b", "a,b"},
      {U8(u8"C:\\Программы\\app.exe"), U8(u8"C:\\Программы\\app.exe")},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CsvLine({c.field, "x"}), c.written + ";x\r\n") << c.field;
    std::vector<TCsvRow> rows;
    ASSERT_TRUE(ParseCsv(CsvLine({c.field, "x"}), rows)) << c.field;
    EXPECT_EQ(rows, (std::vector<TCsvRow>{{c.field, "x"}})) << c.field;
  }
}

TEST(CsvText, RowEndsAndBrokenQuotingAreTold) {
  const struct {
    const char* text;
    bool valid;
    size_t rows;
  } cases[] = {
      {"a;b\r\nc;d\r\n", true, 2},   {"a;b\nc;d", true, 2},       {"", true, 0},
      {"\"open;b\r\n", false, 0},    {"a\"b\r\n", false, 0},      {"\"a\"b\r\n", false, 0},
      {"\"a\";\"\"\r\n", true, 1},   {"\"x\r\ny\";z\r\n", true, 1},
  };
  for (const auto& c : cases) {
    std::vector<TCsvRow> rows;
    EXPECT_EQ(ParseCsv(c.text, rows), c.valid) << c.text;
    if (c.valid) {
      EXPECT_EQ(rows.size(), c.rows) << c.text;
    }
  }
}

TEST(EntryList, FieldsThatASpreadsheetWouldRunAreGuardedAndReadBackExactly) {
  const struct {
    std::string field, guarded;
  } cases[] = {
      {"=cmd|'/c calc'!A1", "'=cmd|'/c calc'!A1"}, {"+1", "'+1"},   {"-x", "'-x"}, {"@SUM(1)", "'@SUM(1)"},
      {"\tx", "'\tx"},   {"'quoted", "''quoted"}, {"a=b", "a=b"}, {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GuardedField(c.field), c.guarded) << c.field;
    EXPECT_EQ(UnguardedField(GuardedField(c.field)), c.field) << c.field;
  }
}

TEST(EntryList, AListReadsBackAsWrittenAndAnythingElseIsRefused) {
  const std::vector<TListedEntry> entries = {
      {"HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run", "=Rechner", "\"C:\\a;b\\x.exe\" /q",
       "ein", "C:\\a;b\\x.exe", "ja"},
      {"C:\\Autostart", U8(u8"Üben\r\nzwei"), "", "aus (Velmora)", "", "nein"},
  };
  const std::string text = EntryListText(entries);
  EXPECT_EQ(text.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_EQ(text.substr(3, text.find("\r\n") - 1), "Ort;Name;Befehl;Status;Programmdatei;Vorhanden\r\n");
  std::vector<TListedEntry> read;
  ASSERT_TRUE(ReadEntryList(text, read));
  EXPECT_EQ(read, entries);

  const std::string header = "Ort;Name;Befehl;Status;Programmdatei;Vorhanden\r\n";
  for (const std::string& notAList : std::vector<std::string>{header, "\xEF\xBB\xBFOrt;Name\r\n", "\xEF\xBB\xBF" + header + "a;b;c\r\n",
                                      "\xEF\xBB\xBF" + header + "\"a;b;c;d;e;f\r\n", std::string()})
    EXPECT_FALSE(ReadEntryList(notAList, read)) << notAList;
}

TEST(EntryComparison, AdditionsRemovalsAndChangesAreFoundByPlaceAndName) {
  const TListedEntry a{"K", "a", "a.exe", "ein", "a.exe", "ja"};
  const TListedEntry b{"K", "b", "b.exe", "ein", "b.exe", "ja"};
  const TListedEntry c{"F", "c", "c.exe", "ein", "c.exe", "nein"};
  TListedEntry bOff = b;
  bOff.status = "aus (Velmora)";
  const TListedEntry aElsewhere{"F", "a", "a.exe", "ein", "a.exe", "ja"};
  const struct {
    std::vector<TListedEntry> before, now;
    std::vector<TEntryChange> changes;
  } cases[] = {
      {{a, b}, {a, b}, {}},
      {{a}, {a, b}, {{TEntryChangeKind::Added, b}}},
      {{a, b}, {b}, {{TEntryChangeKind::Removed, a}}},
      {{a, b}, {a, bOff}, {{TEntryChangeKind::Changed, bOff}}},
      {{a}, {aElsewhere}, {{TEntryChangeKind::Added, aElsewhere}, {TEntryChangeKind::Removed, a}}},
      // An entry and its switched-off twin share place and name: they pair in order.
      {{b, bOff}, {b}, {{TEntryChangeKind::Removed, bOff}}},
      {{b}, {b, bOff}, {{TEntryChangeKind::Added, bOff}}},
      {{}, {c}, {{TEntryChangeKind::Added, c}}},
  };
  for (size_t i = 0; i < std::size(cases); ++i) EXPECT_EQ(CompareEntryLists(cases[i].before, cases[i].now), cases[i].changes) << i;
}

TEST(EntryComparison, TheChangesFileNamesEachChangeBeforeTheEntry) {
  const TListedEntry a{"K", "a", "a.exe", "ein", "a.exe", "ja"};
  EXPECT_EQ(EntryChangesText({}), U8(u8"\uFEFFÄnderung;Ort;Name;Befehl;Status;Programmdatei;Vorhanden\r\n"));
  EXPECT_EQ(EntryChangesText({{TEntryChangeKind::Added, a}, {TEntryChangeKind::Changed, a}, {TEntryChangeKind::Removed, a}}),
            U8(u8"\uFEFFÄnderung;Ort;Name;Befehl;Status;Programmdatei;Vorhanden\r\n"
               u8"neu;K;a;a.exe;ein;a.exe;ja\r\n"
               u8"geändert;K;a;a.exe;ein;a.exe;ja\r\n"
               u8"entfernt;K;a;a.exe;ein;a.exe;ja\r\n"));
}

}  // namespace
