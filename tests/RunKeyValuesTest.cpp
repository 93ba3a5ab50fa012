// Reading and writing the text values of a key.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "support/KeyChanges.h"
#include "support/RunKeyValues.h"
#include "support/Tools.h"
#include "support/AnsiText.h"
#include "support/WideText.h"
#include "tests/FakeInteraction.h"
#include "tests/RegistrySandbox.h"

std::ostream& operator<<(std::ostream& out, const TRunValue& v) {
  return out << "{\"" << v.name << "\", \"" << v.data << "\", " << v.type << "}";
}

namespace {

class RunKeyValuesTest : public testing::Test {
 protected:
  TScratchKey scratch{"RunKeyValues"};
  TFakeInteraction dialogs;
  const std::string& key = scratch.SubKey();

  TValueList Read() {
    TValueList list;
    ReadKeyValues(HKEY_CURRENT_USER, key, list, NativeRegistryView());
    return list;
  }
  // Makes the key hold the list, as a save of an unchanged key does.
  bool Write(const TValueList& list) {
    return WriteKeyChanges(HKEY_CURRENT_USER, key, ChangesBetween(Read(), list), NativeRegistryView());
  }
  std::vector<TStoredValue> Stored() { return StoredValues(HKEY_CURRENT_USER, key); }
  static std::vector<TStoredValue> Sorted(std::vector<TStoredValue> values) {
    std::sort(values.begin(), values.end(), [](auto& a, auto& b) { return a.name < b.name; });
    return values;
  }
};

TEST_F(RunKeyValuesTest, AnEmptyKeyReadsAsNothingAndAnEmptyListWritesNothing) {
  EXPECT_TRUE(Read().empty());
  Write({});
  EXPECT_TRUE(Stored().empty());
  ExpectShown(dialogs, {});
}

TEST_F(RunKeyValuesTest, ReadsNamesDataAndTypesInEnumerationOrderAppendingToTheList) {
  StoreString(HKEY_CURRENT_USER, key, "Zeta", "C:\\z.exe");
  StoreString(HKEY_CURRENT_USER, key, "", "C:\\standard.exe");
  StoreString(HKEY_CURRENT_USER, key, "Pfad", "%windir%\\x.exe", REG_EXPAND_SZ);
  StoreString(HKEY_CURRENT_USER, key, "Tab", "a\tb\tc");
  TValueList list = {{"schon da", "x", REG_SZ}};
  ReadKeyValues(HKEY_CURRENT_USER, key, list, NativeRegistryView());
  std::vector<TStoredValue> stored = Stored();
  ASSERT_EQ(list.size(), 5u);
  EXPECT_EQ(list[0], (TRunValue{"schon da", "x", REG_SZ}));
  for (size_t i = 0; i < stored.size(); ++i)
    EXPECT_EQ(list[i + 1], (TRunValue{stored[i].name, stored[i].data, stored[i].type}));
  EXPECT_NE(std::find(list.begin(), list.end(), TRunValue{"Pfad", "%windir%\\x.exe", REG_EXPAND_SZ}), list.end());
  EXPECT_NE(std::find(list.begin(), list.end(), TRunValue{"Tab", "a\tb\tc", REG_SZ}), list.end());
  EXPECT_NE(std::find(list.begin(), list.end(), TRunValue{"", "C:\\standard.exe", REG_SZ}), list.end());
}

TEST_F(RunKeyValuesTest, AMissingKeyReadsAsNothingAndWritingToItCreatesNothingAndSaysSo) {
  const std::string missing = key + "\\Fehlt";
  TValueList list;
  ReadKeyValues(HKEY_CURRENT_USER, missing, list, NativeRegistryView());
  EXPECT_TRUE(list.empty());
  EXPECT_FALSE(WriteKeyChanges(HKEY_CURRENT_USER, missing, {{}, {{"A", "a.exe", REG_SZ}}}, NativeRegistryView()));
  HKEY opened;
  EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, missing.c_str(), 0, KEY_READ, &opened), ERROR_SUCCESS);
  ExpectShown(dialogs, {Error("Konnte Wert A nicht in Registrierung schreiben!")});
}

TEST_F(RunKeyValuesTest, WritingReplacesAllTextValuesInListOrderAndTheLaterNameWins) {
  StoreString(HKEY_CURRENT_USER, key, "Alt", "alt.exe");
  StoreString(HKEY_CURRENT_USER, key, "Bleibt", "vorher.exe");
  Write({{"Bleibt", "nachher.exe", REG_SZ},
         {"Doppelt", "erst.exe", REG_SZ},
         {"", "standard.exe", REG_SZ},
         {"Doppelt", "dann.exe", REG_SZ},
         {"Tab", "x\ty", REG_SZ}});
  EXPECT_EQ(Sorted(Stored()), (std::vector<TStoredValue>{{"", "standard.exe", REG_SZ},
                                                         {"Bleibt", "nachher.exe", REG_SZ},
                                                         {"Doppelt", "dann.exe", REG_SZ},
                                                         {"Tab", "x\ty", REG_SZ}}));
  Write({});
  EXPECT_TRUE(Stored().empty());
  ExpectShown(dialogs, {});
}

TEST_F(RunKeyValuesTest, ValuesThatAreNoTextAreNeitherListedNorTouched) {
  const std::string dword("\x01\x00\x00\x00", 4), binary("\x00\xFF\x10", 3);
  StoreValue(HKEY_CURRENT_USER, key, {"Zahl", dword, REG_DWORD});
  StoreString(HKEY_CURRENT_USER, key, "Text", "t.exe");
  StoreValue(HKEY_CURRENT_USER, key, {"Bytes", binary, REG_BINARY});
  StoreValue(HKEY_CURRENT_USER, key, {"Liste", std::string("a\0b\0\0", 5), REG_MULTI_SZ});
  EXPECT_EQ(Read(), (TValueList{{"Text", "t.exe", REG_SZ}}));
  Write({{"Neu", "n.exe", REG_SZ}});
  EXPECT_EQ(Sorted(Stored()), (std::vector<TStoredValue>{{"Bytes", binary, REG_BINARY},
                                                         {"Liste", std::string("a\0b\0\0", 5), REG_MULTI_SZ},
                                                         {"Neu", "n.exe", REG_SZ},
                                                         {"Zahl", dword, REG_DWORD}}));
}

TEST_F(RunKeyValuesTest, AnExpandableStringKeepsItsTypeWhenWrittenBack) {
  StoreString(HKEY_CURRENT_USER, key, "Pfad", "%SystemRoot%\\tool.exe", REG_EXPAND_SZ);
  Write(Read());
  EXPECT_EQ(Stored(), (std::vector<TStoredValue>{{"Pfad", "%SystemRoot%\\tool.exe", REG_EXPAND_SZ}}));
}

TEST_F(RunKeyValuesTest, ANameWithATabSurvivesReadingAndWriting) {
  StoreString(HKEY_CURRENT_USER, key, "Name\tmit Tab", "ziel.exe\t/x");
  TValueList list = Read();
  EXPECT_EQ(list, (TValueList{{"Name\tmit Tab", "ziel.exe\t/x", REG_SZ}}));
  Write(list);
  EXPECT_EQ(Stored(), (std::vector<TStoredValue>{{"Name\tmit Tab", "ziel.exe\t/x", REG_SZ}}));
}

TEST_F(RunKeyValuesTest, EveryTextValueIsReadWhateverTheLengthOfItsNameOrDataAndAWriteLeavesItAlone) {
  const struct {
    size_t name, data;
  } lengths[] = {{1022, 1022}, {1023, 5}, {5, 1023}, {16383, 5}, {7, 300000}};
  for (size_t i = 0; i < std::size(lengths); ++i)
    StoreString(HKEY_CURRENT_USER, key, std::string(lengths[i].name, char('a' + i)), std::string(lengths[i].data, 'x'));
  StoreString(HKEY_CURRENT_USER, key, "Kurz", "kurz.exe");
  const std::vector<TStoredValue> stored = Stored();
  TValueList expected;
  for (const TStoredValue& value : stored) expected.push_back({value.name, value.data, value.type});
  ASSERT_EQ(expected.size(), std::size(lengths) + 1);
  EXPECT_EQ(Read(), expected);

  TValueList list = Read();
  list.push_back({"Neu", "n.exe", REG_SZ});
  EXPECT_TRUE(Write(list));
  std::vector<TStoredValue> after = stored;
  after.push_back({"Neu", "n.exe", REG_SZ});
  EXPECT_EQ(Sorted(Stored()), Sorted(after));
  ExpectShown(dialogs, {});
}

TEST_F(RunKeyValuesTest, TextsTheAnsiCodePageCannotCarryAreReadExactlyOnTheNTFamily) {
  const struct {
    std::wstring name, data;
    std::string ansiName, ansiData;
  } cases[] = {
      {L"Cyrillic", L"C:\\\u041F\u0440\u043E\\\u65E5\u672C\\app.exe", "Cyrillic", "C:\\???\\??\\app.exe"},
      {L"\u041F\u0440\u043E\u0433 2", L"prog.exe", "???? 2", "prog.exe"},
      {L"Gew\u00F6hnlich \u20AC", L"\u00E4\u00F6\u00FC.exe", "Gew\xF6hnlich \x80", "\xE4\xF6\xFC.exe"},
  };
  for (const auto& c : cases) StoreWideString(HKEY_CURRENT_USER, key, c.name, c.data);
  TValueList read = Read();
  ASSERT_EQ(read.size(), std::size(cases));
  for (const auto& c : cases) {
    auto found = std::find_if(read.begin(), read.end(), [&](auto& v) { return v.name == c.ansiName; });
    ASSERT_NE(found, read.end()) << c.ansiName;
    EXPECT_EQ(found->data, c.ansiData);
    const bool exact = WideFromAnsi(c.ansiName) == c.name && WideFromAnsi(c.ansiData) == c.data;
    if (IsWinNT && !exact)
      EXPECT_EQ(*found, (TRunValue{c.ansiName, c.ansiData, REG_SZ, false, c.name, c.data}));
    else  // the 9x family has only the ANSI registry
      EXPECT_TRUE(found->ansiForm) << c.ansiName;
  }
}

TEST_F(RunKeyValuesTest, EachValueThatCannotBeDeletedOrWrittenIsReportedInOrderAndTheRestGoOn) {
  StoreString(HKEY_CURRENT_USER, key, "Bleibt", "b.exe");
  const std::string tooLong(17000, 'L');
  TKeyChanges changes = {{{"Fehlt", "", REG_SZ}, {"Bleibt", "b.exe", REG_SZ}},
                         {{tooLong, "l.exe", REG_SZ}, {"Gut", "g.exe", REG_SZ}}};
  EXPECT_FALSE(WriteKeyChanges(HKEY_CURRENT_USER, key, changes, NativeRegistryView()));
  ExpectShown(dialogs, {Error("Konnte Wert Fehlt nicht entfernen! Der Eintrag verbleibt in der Registrierung."),
                        Error("Konnte Wert " + tooLong + " nicht in Registrierung schreiben!")});
  EXPECT_EQ(Stored(), (std::vector<TStoredValue>{{"Gut", "g.exe", REG_SZ}}));
  EXPECT_TRUE(WriteKeyChanges(HKEY_CURRENT_USER, key, {{{"Gut", "", REG_SZ}}, {}}, NativeRegistryView()));
  EXPECT_TRUE(Stored().empty());
}

}  // namespace
