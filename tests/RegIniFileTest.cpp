// The registry settings object against Wine's real registry, below a
// scratch key of HKEY_CURRENT_USER.
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "support/RegIniFile.h"
#include "tests/FakeInteraction.h"
#include "tests/RegistrySandbox.h"

namespace {

bool KeyExists(const std::string& subKey) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

void CreateKey(const std::string& subKey) {
  HKEY key;
  RegCreateKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  RegCloseKey(key);
}

std::string Dword(DWORD value) { return std::string(reinterpret_cast<const char*>(&value), sizeof value); }

class RegIniFileTest : public testing::Test {
 protected:
  TFakeInteraction dialogs;
  TScratchKey scratch{"RegIniFileTest"};
  TTheRegIniFile ini;
  // The section's key as the tests address it from outside.
  std::string sectionKey = scratch.SubKey() + "\\A\\B\\S";

  void SetUp() override {
    ini.Area = "\\" + scratch.SubKey() + "\\A\\B";
    ini.Section = "S";
  }
};

TEST_F(RegIniFileTest, KeyPathDropsOneLeadingBackslashAndAddsOneBetweenAreaAndSection) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"\\A\\B", "A\\B\\S"}, {"A\\B\\", "A\\B\\S"}, {"\\", "S"}, {"A", "A\\S"}, {"\\\\A", "\\A\\S"}};
  for (const auto& [area, expected] : cases) {
    ini.Area = area;
    EXPECT_EQ(ini.KeyPath(), expected) << "Area " << area;
  }
}

TEST_F(RegIniFileTest, AreaWithOrWithoutBackslashesAddressesTheSameKey) {
  ini.WriteString("Name", "eins");
  ini.Area = scratch.SubKey() + "\\A\\B\\";
  EXPECT_EQ(ini.ReadString("Name", "?"), "eins");
  EXPECT_EQ(StoredValues(HKEY_CURRENT_USER, sectionKey), (std::vector<TStoredValue>{{"Name", "eins", REG_SZ}}));
  ExpectShown(dialogs, {});
}

TEST_F(RegIniFileTest, WritesTextWithItsNulAndIntegersAsDwords) {
  ini.WriteString("Text", "Grüße");
  ini.WriteInteger("Zahl", -2);
  EXPECT_EQ(ini.ErrorCode(), 0);
  EXPECT_EQ(StoredValues(HKEY_CURRENT_USER, sectionKey),
            (std::vector<TStoredValue>{{"Text", "Grüße", REG_SZ}, {"Zahl", Dword(0xFFFFFFFE), REG_DWORD}}));
  EXPECT_EQ(ini.ReadString("Text", ""), "Grüße");
  EXPECT_EQ(ini.ReadInteger("Zahl", 0), -2);
}

TEST_F(RegIniFileTest, ReadsLongTextWithASecondQueryAndStopsAtTheFirstNul) {
  std::string longText(5000, 'x');
  longText.front() = 'A';
  longText.back() = 'Z';
  StoreString(HKEY_CURRENT_USER, sectionKey, "Lang", longText);
  StoreValue(HKEY_CURRENT_USER, sectionKey, {"Zwei", std::string("vor\0nach", 8), REG_BINARY});
  EXPECT_EQ(ini.ReadString("Lang", "?"), longText);
  EXPECT_EQ(ini.ReadString("Zwei", "?"), "vor");
  EXPECT_EQ(ini.ErrorCode(), 0);
}

TEST_F(RegIniFileTest, FailedReadsGiveTheDefaultAndErrorCodeOne) {
  StoreValue(HKEY_CURRENT_USER, sectionKey, {"Acht", std::string(8, '\1'), REG_QWORD});
  StoreString(HKEY_CURRENT_USER, sectionKey, "", "Standard");
  struct Case {
    const char* what;
    std::function<bool()> readGivesDefault;
  };
  const std::vector<Case> cases = {
      {"missing integer", [&] { return ini.ReadInteger("Fehlt", 17) == 17; }},
      {"eight-byte integer", [&] { return ini.ReadInteger("Acht", 17) == 17; }},
      {"integer with an empty name", [&] { return ini.ReadInteger("", 17) == 17; }},
      {"missing text", [&] { return ini.ReadString("Fehlt", "vorgabe") == "vorgabe"; }},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(c.readGivesDefault()) << c.what;
    EXPECT_EQ(ini.ErrorCode(), 1) << c.what;
  }
  EXPECT_EQ(ini.ReadString("", "?"), "Standard");  // the default value of the key is readable as text
  EXPECT_EQ(ini.ErrorCode(), 0);
}

TEST_F(RegIniFileTest, ReadingAMissingKeyLeavesItCreatedAndEmpty) {
  ASSERT_FALSE(KeyExists(sectionKey));
  EXPECT_EQ(ini.ReadInteger("MaxAllowedZone", -1), -1);
  EXPECT_EQ(ini.ErrorCode(), 1);
  EXPECT_TRUE(KeyExists(sectionKey));
  EXPECT_TRUE(StoredValues(HKEY_CURRENT_USER, sectionKey).empty());
}

// A handle that stays open still points at a key deleted and made anew, where
// every query fails: that tells a kept handle from a reopened one.
void ReplaceKeyWithValue(const std::string& subKey, DWORD value) {
  RegDeleteKeyA(HKEY_CURRENT_USER, subKey.c_str());
  StoreValue(HKEY_CURRENT_USER, subKey, {"Wert", Dword(value), REG_DWORD});
}

TEST_F(RegIniFileTest, KeepsTheKeyOpenForReadsOfTheSameKey) {
  StoreValue(HKEY_CURRENT_USER, sectionKey, {"Wert", Dword(7), REG_DWORD});
  EXPECT_EQ(ini.ReadInteger("Wert", -1), 7);
  ReplaceKeyWithValue(sectionKey, 9);
  EXPECT_EQ(ini.ReadInteger("Wert", -1), -1);  // still the first, deleted key
  EXPECT_EQ(ini.ErrorCode(), 1);
}

TEST_F(RegIniFileTest, AWriteBetweenTwoReadsMakesTheSecondReadOpenTheKeyAgain) {
  StoreValue(HKEY_CURRENT_USER, sectionKey, {"Wert", Dword(7), REG_DWORD});
  EXPECT_EQ(ini.ReadInteger("Wert", -1), 7);
  ReplaceKeyWithValue(sectionKey, 9);
  ini.WriteInteger("Anderer", 1);
  EXPECT_EQ(ini.ErrorCode(), 0);
  EXPECT_EQ(ini.ReadInteger("Wert", -1), 9);
}

TEST_F(RegIniFileTest, AnotherSectionOrRootReopens) {
  StoreValue(HKEY_CURRENT_USER, sectionKey, {"Wert", Dword(7), REG_DWORD});
  EXPECT_EQ(ini.ReadInteger("Wert", -1), 7);
  ini.Section = "T";
  EXPECT_EQ(ini.ReadInteger("Wert", -1), -1);
  ReplaceKeyWithValue(sectionKey, 9);
  ini.Section = "S";
  EXPECT_EQ(ini.ReadInteger("Wert", -1), 9);
  // The path matches letter for letter: another spelling is another key here.
  ini.Section = "s";
  ReplaceKeyWithValue(sectionKey, 10);
  EXPECT_EQ(ini.ReadInteger("Wert", -1), 10);
}

TEST_F(RegIniFileTest, EraseSectionDeletesChildrenBeforeParentsAndTheKeyOnlyWhenAsked) {
  for (const char* child : {"\\X", "\\X\\Y", "\\X\\Y\\Z", "\\W"}) CreateKey(sectionKey + child);
  ini.WriteInteger("Wert", 1);
  ini.EraseSection(false);
  EXPECT_EQ(ini.ErrorCode(), 0);
  EXPECT_FALSE(KeyExists(sectionKey + "\\X"));
  EXPECT_FALSE(KeyExists(sectionKey + "\\W"));
  ASSERT_TRUE(KeyExists(sectionKey));
  EXPECT_EQ(StoredValues(HKEY_CURRENT_USER, sectionKey).size(), 1u);

  CreateKey(sectionKey + "\\X\\Y");
  ini.EraseSection(true);
  EXPECT_EQ(ini.ErrorCode(), 0);
  EXPECT_FALSE(KeyExists(sectionKey));
}

TEST_F(RegIniFileTest, ErasingAMissingSectionKeyGivesErrorCodeFour) {
  ini.EraseSection(true);
  EXPECT_EQ(ini.ErrorCode(), 4);
  EXPECT_FALSE(KeyExists(sectionKey));
}

TEST_F(RegIniFileTest, WriteFailureGivesErrorCodeFive) {
  // A root that is no key at all: neither opening nor creating works.
  ini.RegKey = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(0x7654));
  ini.WriteString("Name", "x");
  EXPECT_EQ(ini.ErrorCode(), 5);
  ini.WriteInteger("Name", 1);
  EXPECT_EQ(ini.ErrorCode(), 5);
  ini.SetErrorCode(0);
  EXPECT_EQ(ini.ErrorCode(), 0);
}

TEST_F(RegIniFileTest, WithoutAreaOrSectionEveryOperationOnlyAsksForThemAndLeavesErrorCodeZero) {
  ini.ReadInteger("Fehlt", 3);
  ASSERT_EQ(ini.ErrorCode(), 1);
  ini.Section.clear();
  ini.WriteString("Name", "x");
  EXPECT_EQ(ini.ErrorCode(), 0);
  EXPECT_EQ(ini.ReadString("Name", "vorgabe"), "vorgabe");
  EXPECT_EQ(ini.ReadInteger("Name", 3), 3);
  ini.Section = "S";
  ini.Area.clear();
  ini.WriteInteger("Name", 1);
  ini.EraseSection(true);
  EXPECT_EQ(ini.ErrorCode(), 0);
  EXPECT_TRUE(StoredValues(HKEY_CURRENT_USER, sectionKey).empty());
  const TShownMessage ask = Plain("Bitte Area und Section angeben.");
  ExpectShown(dialogs, {ask, ask, ask, ask, ask});
  EXPECT_EQ(ask.title, "Velmora");
}

}  // namespace
