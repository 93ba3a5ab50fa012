// Reading and writing the text values of a key.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "support/RunKeyValues.h"
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
    ReadKeyValues(HKEY_CURRENT_USER, key, list);
    return list;
  }
  void Write(const TValueList& list) { WriteKeyValues(HKEY_CURRENT_USER, key, list); }
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
  ReadKeyValues(HKEY_CURRENT_USER, key, list);
  std::vector<TStoredValue> stored = Stored();
  ASSERT_EQ(list.size(), 5u);
  EXPECT_EQ(list[0], (TRunValue{"schon da", "x", REG_SZ}));
  for (size_t i = 0; i < stored.size(); ++i)
    EXPECT_EQ(list[i + 1], (TRunValue{stored[i].name, stored[i].data, stored[i].type}));
  EXPECT_NE(std::find(list.begin(), list.end(), TRunValue{"Pfad", "%windir%\\x.exe", REG_EXPAND_SZ}), list.end());
  EXPECT_NE(std::find(list.begin(), list.end(), TRunValue{"Tab", "a\tb\tc", REG_SZ}), list.end());
  EXPECT_NE(std::find(list.begin(), list.end(), TRunValue{"", "C:\\standard.exe", REG_SZ}), list.end());
}

TEST_F(RunKeyValuesTest, AMissingKeyReadsAsNothingAndWritingToItCreatesNothing) {
  const std::string missing = key + "\\Fehlt";
  TValueList list;
  ReadKeyValues(HKEY_CURRENT_USER, missing, list);
  EXPECT_TRUE(list.empty());
  WriteKeyValues(HKEY_CURRENT_USER, missing, {{"A", "a.exe", REG_SZ}});
  HKEY opened;
  EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, missing.c_str(), 0, KEY_READ, &opened), ERROR_SUCCESS);
  ExpectShown(dialogs, {});
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

TEST_F(RunKeyValuesTest, AValueTooLongForTheBuffersEndsTheReadingAndAWriteLeavesItAndTheRest) {
  const std::string longName(1023, 'n'), longData(1023, 'x');  // 1024 with their zero
  for (const char* name : {"A", "B", "C", "D", "E"}) StoreString(HKEY_CURRENT_USER, key, name, "kurz.exe");
  StoreString(HKEY_CURRENT_USER, key, "C", longData);
  StoreString(HKEY_CURRENT_USER, key, longName, "lang.exe");
  // What comes before the first value too long, in the key's own order.
  std::vector<TStoredValue> stored = Stored();
  TValueList expected;
  std::vector<std::string> untouched;
  for (const TStoredValue& value : stored) {
    if (value.name.size() < 1023 && value.data.size() < 1023 && untouched.empty())
      expected.push_back({value.name, value.data, value.type});
    else
      untouched.push_back(value.name);
  }
  ASSERT_GE(untouched.size(), 2u);
  EXPECT_EQ(Read(), expected);

  Write({{"Neu", "n.exe", REG_SZ}});
  std::vector<std::string> left;
  for (const TStoredValue& value : Stored())
    if (value.name != "Neu") left.push_back(value.name);
  EXPECT_EQ(left, untouched);

  // Just inside the limits: 1022 characters of name and of data are read.
  DeleteAllValues(HKEY_CURRENT_USER, key);
  StoreString(HKEY_CURRENT_USER, key, std::string(1022, 'n'), std::string(1022, 'd'));
  EXPECT_EQ(Read(), (TValueList{{std::string(1022, 'n'), std::string(1022, 'd'), REG_SZ}}));
}

TEST_F(RunKeyValuesTest, AValueThatCannotBeDeletedOrWrittenIsReportedInListOrderAndTheRestGoOn) {
  // A name that has no Windows-1252 form reads as "?" and cannot be deleted
  // under the name read; a name longer than the registry allows cannot be written.
  HKEY handle;
  RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_SET_VALUE, &handle);
  const wchar_t data[] = L"omega.exe";
  RegSetValueExW(handle, L"Zeichen \x03A9", 0, REG_SZ, reinterpret_cast<const BYTE*>(data), sizeof data);
  RegCloseKey(handle);
  StoreString(HKEY_CURRENT_USER, key, "Normal", "n.exe");
  std::string ansiName;  // as the ANSI functions give it
  for (const TStoredValue& value : Stored())
    if (value.name.rfind("Zeichen ", 0) == 0) ansiName = value.name;
  const std::string tooLong(17000, 'L');
  Write({{tooLong, "l.exe", REG_SZ}, {"Gut", "g.exe", REG_SZ}});
  ExpectShown(dialogs, {Error("Konnte Wert " + ansiName + " nicht entfernen! Der Eintrag verbleibt in der Registrierung."),
                        Error("Konnte Wert " + tooLong + " nicht in Registrierung schreiben!")});
  EXPECT_EQ(Sorted(Stored()), (std::vector<TStoredValue>{{"Gut", "g.exe", REG_SZ}, {ansiName, "omega.exe", REG_SZ}}));
}

}  // namespace
