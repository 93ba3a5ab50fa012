// Entries switched off and on again through the real registry and file
// system: kept byte for byte where they wait, and put back where they were.
#include <gtest/gtest.h>
#include <windows.h>
#include <objbase.h>

#include <string>
#include <vector>

#include "registry/RunKeyPath.h"
#include "support/SheLink.h"
#include "support/SwitchedOffEntries.h"
#include "support/Tools.h"
#include "support/WideText.h"
#include "tests/FakeInteraction.h"
#include "tests/RegistrySandbox.h"
#include "tests/ScratchFolder.h"

namespace {

using TValues = std::vector<TStoredValue>;

std::string ReplaceQuestion(const std::string& name) {
  return "Es gibt bereits einen Eintrag \"" + name + "\". Soll er ersetzt werden?";
}

bool KeyExists(HKEY root, const std::string& subKey) {
  HKEY key;
  if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

class SwitchedOffValueTest : public testing::Test {
 protected:
  TRunKeysSandbox sandbox;
  TFakeInteraction dialogs;
};

struct TValueCase {
  const char* keyPath;
  TStoredValue value;
};

TEST_F(SwitchedOffValueTest, ValueWaitsInTheSubKeyAndComesBackWithNameDataAndType) {
  const TValueCase cases[] = {
      {"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run",
       {"Werkzeug", "\"C:\\Programme\\Werkzeug\\w.exe\" /start", REG_SZ}},
      {"HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run",
       {"Pfad", "%windir%\\notepad.exe", REG_EXPAND_SZ}},
      {"HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce", {"", "C:\\einmal.exe", REG_SZ}},
      {"HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\RunServices",
       {"Prüfung Ä", "C:\\Prüfprogramm\\ß.exe", REG_SZ}},
  };
  for (const TValueCase& test : cases) {
    SCOPED_TRACE(test.keyPath);
    const TRunKeyPath key = ResolveRunKeyPath(test.keyPath);
    StoreValue(key.root, key.subKey, test.value);

    EXPECT_TRUE(SwitchRunValue(key.root, key.subKey, test.value.name, false));
    EXPECT_EQ(StoredValues(key.root, key.subKey), TValues{});
    EXPECT_EQ(StoredValues(key.root, SwitchedOffKey(key.subKey)), TValues{test.value});

    EXPECT_TRUE(SwitchRunValue(key.root, key.subKey, test.value.name, true));
    EXPECT_EQ(StoredValues(key.root, key.subKey), TValues{test.value});
    EXPECT_FALSE(KeyExists(key.root, SwitchedOffKey(key.subKey))) << "the empty sub-key is left behind";
  }
  ExpectShown(dialogs, {});
}

// Text that the ANSI functions cannot carry (another user's program path):
// the NT family keeps it as UTF-16, and it must come back as it was.
TEST_F(SwitchedOffValueTest, TextOutsideTheAnsiCodePageComesBackUnchanged) {
  if (!IsWinNT) GTEST_SKIP() << "the 9x family stores ANSI text only";
  const std::string runKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  const std::wstring data = L"C:\\\u041f\u0440\u043e\u0433\u0440\u0430\u043c\u043c\u044b\\\u65e5\u672c\\app.exe";
  HKEY key;
  ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, runKey.c_str(), 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
  RegSetValueExW(key, L"Fremd", 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                 static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));

  EXPECT_TRUE(SwitchRunValue(HKEY_CURRENT_USER, runKey, "Fremd", false));
  EXPECT_TRUE(SwitchRunValue(HKEY_CURRENT_USER, runKey, "Fremd", true));

  wchar_t back[256] = {};
  DWORD size = sizeof(back), type = 0;
  EXPECT_EQ(RegQueryValueExW(key, L"Fremd", nullptr, &type, reinterpret_cast<BYTE*>(back), &size), ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_EQ(std::wstring(back), data);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
}

// The user switches an entry off; its program then puts it back in the key.
struct TConflictCase {
  TModalResult answer;
  TValues runKeyAfter, waitingAfter;
};

TEST_F(SwitchedOffValueTest, SwitchingOnAsksBeforeReplacingAnEntryThatExistsAgain) {
  const std::string runKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  const TStoredValue waiting{"Werkzeug", "C:\\alt.exe", REG_EXPAND_SZ}, again{"Werkzeug", "C:\\neu.exe", REG_SZ};
  const TConflictCase cases[] = {
      {TModalResult::No, {again}, {waiting}},
      {TModalResult::Yes, {waiting}, {}},
  };
  for (const TConflictCase& test : cases) {
    SCOPED_TRACE(test.answer == TModalResult::Yes ? "Yes" : "No");
    DeleteAllValues(HKEY_CURRENT_USER, runKey);
    StoreValue(HKEY_CURRENT_USER, SwitchedOffKey(runKey), waiting);
    StoreValue(HKEY_CURRENT_USER, runKey, again);
    dialogs.ClearShown();
    dialogs.Answer({test.answer});

    EXPECT_EQ(SwitchRunValue(HKEY_CURRENT_USER, runKey, "Werkzeug", true), test.answer == TModalResult::Yes);
    ExpectShown(dialogs, {Question(ReplaceQuestion("Werkzeug"))});
    EXPECT_EQ(StoredValues(HKEY_CURRENT_USER, runKey), test.runKeyAfter);
    EXPECT_EQ(StoredValues(HKEY_CURRENT_USER, SwitchedOffKey(runKey)), test.waitingAfter);
  }
}

TEST_F(SwitchedOffValueTest, ValueThatIsGoneIsReportedAndNothingIsLeftBehind) {
  const std::string runKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  EXPECT_FALSE(SwitchRunValue(HKEY_CURRENT_USER, runKey, "Weg", false));
  ExpectShown(dialogs, {Error("Konnte Eintrag \"Weg\" nicht verschieben! Er bleibt, wo er war.")});
  EXPECT_FALSE(KeyExists(HKEY_CURRENT_USER, SwitchedOffKey(runKey)));
}

class SwitchedOffLinkTest : public testing::Test {
 protected:
  SwitchedOffLinkTest() {
    CoInitialize(nullptr);
    WriteFileBytes(folder.File("Werkzeug.exe"), "MZ");
  }
  ~SwitchedOffLinkTest() override { CoUninitialize(); }

  // A shortcut in the start-up folder, with the given attributes.
  std::string MakeLink(const std::string& name, DWORD attributes) {
    const std::string file = startup.File(name);
    TShellLink().CreateLink(file, folder.File("Werkzeug.exe"));
    SetFileAttributesA(file.c_str(), attributes);
    return ReadFileBytes(file);
  }
  std::string Waiting(const std::string& name) { return SwitchedOffFolder(startup.Path()) + name; }

  TFakeInteraction dialogs;
  TScratchFolder folder{"switched-off-programs"}, startup{"switched-off-startup"};
};

TEST_F(SwitchedOffLinkTest, ShortcutWaitsInTheSubFolderAndComesBackWithItsBytesAndAttributes) {
  const DWORD attributeCases[] = {
      FILE_ATTRIBUTE_ARCHIVE,
      FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM,
      FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN,
  };
  for (DWORD attributes : attributeCases) {
    SCOPED_TRACE(attributes);
    const std::string bytes = MakeLink("Werkzeug.lnk", attributes);
    const DWORD stored = GetFileAttributesA(startup.File("Werkzeug.lnk").c_str());  // Wine adds the archive mark
    ASSERT_EQ(stored & attributes, attributes);

    EXPECT_TRUE(SwitchLink(startup.Path(), L"Werkzeug.lnk", false));
    EXPECT_FALSE(FileExists(startup.File("Werkzeug.lnk")));
    EXPECT_EQ(ReadFileBytes(Waiting("Werkzeug.lnk")), bytes);
    EXPECT_EQ(GetFileAttributesA(Waiting("Werkzeug.lnk").c_str()), stored);

    EXPECT_TRUE(SwitchLink(startup.Path(), L"Werkzeug.lnk", true));
    EXPECT_EQ(ReadFileBytes(startup.File("Werkzeug.lnk")), bytes);
    EXPECT_EQ(GetFileAttributesA(startup.File("Werkzeug.lnk").c_str()), stored);
    EXPECT_FALSE(FileExists(SwitchedOffFolder(startup.Path()))) << "the empty sub-folder is left behind";
    SetFileAttributesA(startup.File("Werkzeug.lnk").c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(startup.File("Werkzeug.lnk").c_str());
  }
  ExpectShown(dialogs, {});
}

TEST_F(SwitchedOffLinkTest, SwitchingOnAsksBeforeReplacingAShortcutThatExistsAgain) {
  const struct {
    TModalResult answer;
    const char* name;
  } cases[] = {{TModalResult::No, "Nein.lnk"}, {TModalResult::Yes, "Ja.lnk"}};
  for (const auto& test : cases) {
    SCOPED_TRACE(test.name);
    const std::string waiting = MakeLink(test.name, FILE_ATTRIBUTE_HIDDEN);
    SwitchLink(startup.Path(), WideFromAnsi(test.name), false);
    WriteFileBytes(startup.File(test.name), "neu");
    dialogs.ClearShown();
    dialogs.Answer({test.answer});

    EXPECT_EQ(SwitchLink(startup.Path(), WideFromAnsi(test.name), true), test.answer == TModalResult::Yes);
    ExpectShown(dialogs, {Question(ReplaceQuestion(test.name))});
    EXPECT_EQ(ReadFileBytes(startup.File(test.name)), test.answer == TModalResult::Yes ? waiting : "neu");
    EXPECT_EQ(FileExists(Waiting(test.name)), test.answer == TModalResult::No);
  }
}

// Windows refuses to delete a read-only file, so the replacing cannot happen.
TEST_F(SwitchedOffLinkTest, ReplacingThatFailsIsReportedAndLosesNeitherShortcut) {
  const std::string waiting = MakeLink("Werkzeug.lnk", FILE_ATTRIBUTE_ARCHIVE);
  SwitchLink(startup.Path(), L"Werkzeug.lnk", false);
  WriteFileBytes(startup.File("Werkzeug.lnk"), "neu");
  SetFileAttributesA(startup.File("Werkzeug.lnk").c_str(), FILE_ATTRIBUTE_READONLY);
  dialogs.Answer({TModalResult::Yes});

  EXPECT_FALSE(SwitchLink(startup.Path(), L"Werkzeug.lnk", true));
  ExpectShown(dialogs, {Question(ReplaceQuestion("Werkzeug.lnk")),
                        Error("Konnte Eintrag \"Werkzeug.lnk\" nicht verschieben! Er bleibt, wo er war.")});
  EXPECT_EQ(ReadFileBytes(startup.File("Werkzeug.lnk")), "neu");
  EXPECT_EQ(ReadFileBytes(Waiting("Werkzeug.lnk")), waiting);
}

}  // namespace
