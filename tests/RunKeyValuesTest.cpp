// The values of a key exactly as stored, read and written one at a time.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <map>
#include <string>

#include "support/RunKeyValues.h"
#include "support/Tools.h"
#include "support/WideText.h"
#include "tests/RegistrySandbox.h"

namespace {

class RunKeyValuesTest : public testing::Test {
 protected:
  TScratchKey scratch{"RunKeyValues"};
  const std::string& key = scratch.SubKey();

  TKeyValues Read() { return ReadKeyValues(HKEY_CURRENT_USER, key, NativeRegistryView()).value_or(TKeyValues{{L"<kein Schlüssel>", REG_NONE, ""}}); }
};

TEST_F(RunKeyValuesTest, AKeyReadsAsEveryValueInEnumerationOrderWithTypeAndBytesAndAMissingKeyAsNone) {
  EXPECT_EQ(Read(), TKeyValues{});
  StoreString(HKEY_CURRENT_USER, key, "Zeta", "C:\\z.exe");
  StoreString(HKEY_CURRENT_USER, key, "", "C:\\standard.exe");
  StoreString(HKEY_CURRENT_USER, key, "Pfad", "%windir%\\x.exe", REG_EXPAND_SZ);
  StoreString(HKEY_CURRENT_USER, key, "Name\tmit Tab", "a\tb");
  StoreValue(HKEY_CURRENT_USER, key, {"Zahl", std::string("\x01\0\0\0", 4), REG_DWORD});
  StoreValue(HKEY_CURRENT_USER, key, {"Bytes", std::string("\0\xFF\x10", 3), REG_BINARY});
  const TKeyValues read = Read();
  const std::vector<TWideValue> stored = StoredWideValues(HKEY_CURRENT_USER, key);
  ASSERT_EQ(read.size(), stored.size());
  for (size_t i = 0; i < read.size(); ++i) {
    EXPECT_EQ(read[i].name, stored[i].name);
    EXPECT_EQ(read[i].type, stored[i].type);
    if (!IsText(read[i].type)) {
      EXPECT_EQ(read[i].bytes, stored[i].bytes);
    }
  }
  auto text = [&](const wchar_t* name) {
    for (const TKeyValue& value : read)
      if (value.name == name) return TextOf(value);
    return std::wstring(L"<fehlt>");
  };
  EXPECT_EQ(text(L""), L"C:\\standard.exe");
  EXPECT_EQ(text(L"Pfad"), L"%windir%\\x.exe");
  EXPECT_EQ(text(L"Name\tmit Tab"), L"a\tb");
  EXPECT_FALSE(ReadKeyValues(HKEY_CURRENT_USER, key + "\\Fehlt", NativeRegistryView()).has_value());
}

// A key of thousands of values is read in parts at the same time: joined,
// they are every value once, in the key's own order, at every size around
// the parts' bounds.
TEST_F(RunKeyValuesTest, AKeyOfThousandsOfValuesReadsAsEveryValueOnceInEnumerationOrder) {
  std::map<std::wstring, std::wstring> texts;
  for (int count : {2047, 2048, 2051}) {
    while (static_cast<int>(texts.size()) < count) {
      const std::string name = "Eintrag " + std::to_string(texts.size() * 7919 % 10007);
      const std::string text = "C:\\Werkzeug " + std::to_string(texts.size()) + ".exe";
      StoreString(HKEY_CURRENT_USER, key, name, text);
      texts[WideFromAnsi(name)] = WideFromAnsi(text);
    }
    const TKeyValues read = Read();
    const std::vector<TWideValue> stored = StoredWideValues(HKEY_CURRENT_USER, key);
    ASSERT_EQ(read.size(), stored.size()) << count;
    for (size_t i = 0; i < read.size(); ++i) {
      ASSERT_EQ(read[i].name, stored[i].name) << count << " at " << i;
      ASSERT_EQ(TextOf(read[i]), texts[read[i].name]) << count << " at " << i;
    }
  }
}

TEST_F(RunKeyValuesTest, EveryValueIsReadWhateverTheLengthOfItsNameOrData) {
  const struct {
    size_t name, data;
  } lengths[] = {{1022, 1022}, {1023, 5}, {5, 1023}, {16383, 5}, {7, 300000}};
  for (size_t i = 0; i < std::size(lengths); ++i)
    StoreString(HKEY_CURRENT_USER, key, std::string(lengths[i].name, char('a' + i)), std::string(lengths[i].data, 'x'));
  const TKeyValues read = Read();
  ASSERT_EQ(read.size(), std::size(lengths));
  for (const TKeyValue& value : read) {
    const size_t i = value.name[0] - L'a';
    EXPECT_EQ(value.name.size(), lengths[i].name);
    EXPECT_EQ(TextOf(value), std::wstring(lengths[i].data, L'x'));
  }
}

// The NT family stores wide text: read so, a name or text the ANSI code
// page cannot carry comes back exact.
TEST_F(RunKeyValuesTest, TextsComeBackExactlyAsWrittenAndTextUpToItsFirstZero) {
  std::vector<std::pair<std::wstring, std::wstring>> texts = {{L"Gew\u00F6hnlich \u20AC", L"\u00E4\u00F6\u00FC.exe"}};
  if (IsWinNT) texts.push_back({L"\u041F\u0440\u043E\u0433", L"C:\\\u65E5\u672C\\app.exe"});
  for (const auto& [name, text] : texts) {
    const TKeyValue value = TextValue(name, text, REG_EXPAND_SZ);
    EXPECT_EQ(WriteKeyValue(HKEY_CURRENT_USER, key, value, NativeRegistryView()), ERROR_SUCCESS);
    EXPECT_EQ(TextOf(value), text);
  }
  StoreWideValue(HKEY_CURRENT_USER, key, {L"Rest", WideTextBytes(std::wstring(L"rest.exe\0Rest", 13))});
  std::map<std::wstring, TKeyValue> read;
  for (const TKeyValue& value : Read()) read[value.name] = value;
  ASSERT_EQ(read.size(), texts.size() + 1);
  for (const auto& [name, text] : texts) EXPECT_EQ(read[name], TextValue(name, text, REG_EXPAND_SZ));
  EXPECT_EQ(TextOf(read[L"Rest"]), L"rest.exe");
}

TEST_F(RunKeyValuesTest, WritingAndDeletingGiveTheirErrorCodeAndNeverMakeAKey) {
  const std::string missing = key + "\\Fehlt";
  EXPECT_EQ(WriteKeyValue(HKEY_CURRENT_USER, missing, TextValue(L"A", L"a.exe", REG_SZ), NativeRegistryView()), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(DeleteKeyValue(HKEY_CURRENT_USER, missing, L"A", NativeRegistryView()), ERROR_FILE_NOT_FOUND);
  EXPECT_FALSE(ReadKeyValues(HKEY_CURRENT_USER, missing, NativeRegistryView()).has_value());
  EXPECT_EQ(DeleteKeyValue(HKEY_CURRENT_USER, key, L"A", NativeRegistryView()), ERROR_FILE_NOT_FOUND);
  EXPECT_NE(WriteKeyValue(HKEY_CURRENT_USER, key, TextValue(std::wstring(17000, L'L'), L"l.exe", REG_SZ), NativeRegistryView()),
            ERROR_SUCCESS);
  const TKeyValue number = {L"Zahl", REG_DWORD, std::string("\x07\0\0\0", 4)};
  EXPECT_EQ(WriteKeyValue(HKEY_CURRENT_USER, key, number, NativeRegistryView()), ERROR_SUCCESS);
  EXPECT_EQ(Read(), TKeyValues{number});
  EXPECT_EQ(DeleteKeyValue(HKEY_CURRENT_USER, key, L"zahl", NativeRegistryView()), ERROR_SUCCESS);
  EXPECT_EQ(Read(), TKeyValues{});
}

}  // namespace
