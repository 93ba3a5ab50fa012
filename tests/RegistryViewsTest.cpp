// The key buttons beyond the six: the 32-bit view of the machine's Run and
// RunOnce (64-bit Windows) and the policy Run keys (NT family).
#include "support/Tools.h"
#include "support/WindowsVersion.h"
#include "tests/RegistryPageFixture.h"
#include "tests/ScratchFolder.h"

namespace {

const char kRunKeys[] = "Software\\Microsoft\\Windows\\CurrentVersion\\";
const std::string kHKLMPolicyRun = RunKeyPath("HKEY_LOCAL_MACHINE", "Policies\\Explorer\\Run");
const std::string kHKCUPolicyRun = RunKeyPath("HKEY_CURRENT_USER", "Policies\\Explorer\\Run");

// The system's own word on being 64-bit Windows, for a 32-bit program: only
// there has it a folder for 32-bit system files.
bool HasA32BitSystemFolder() {
  char folder[MAX_PATH];
  return GetSystemWow64DirectoryA(folder, MAX_PATH) != 0;
}

class RegistryViewsTest : public RegistryPageTest {
 protected:
  TScratchFolder folder{"views"};

  // Saves the page and exports it; the export file's text.
  std::string SaveAndExport() {
    Press(Page().SaveRegBtn);
    const std::string file = folder.File("key.reg");
    dialogs.ChooseFile(file);
    Press(Page().RegExportBtn);
    return ReadFileBytes(file);
  }
};

TEST_F(RegistryViewsTest, TheExtraKeyButtonsShowWhereWindowsHasTheirKeysWithTheFullPathAsHint) {
  // The 64-bit build is on 64-bit Windows wherever it is on the NT family; the
  // 32-bit build where the system says so too.
  const bool is64BitBuild = sizeof(void*) == 8;
  EXPECT_EQ(IsWin64(), IsWinNT && (is64BitBuild || HasA32BitSystemFolder()));
  Open();
  const struct {
    TSpeedButton* button;
    std::string caption, keyPath;
    bool shown;
  } buttons[] = {
      {&Page().HKLMRun32Btn, "Run (HKLM 32-Bit)", RunKey32Path("Run"), IsWin64()},
      {&Page().HKLMRunOnce32Btn, "RunOnce (HKLM 32-Bit)", RunKey32Path("RunOnce"), IsWin64()},
      {&Page().HKLMPolicyRunBtn, "Run (Policy HKLM)", kHKLMPolicyRun, IsWinNT},
      {&Page().HKCUPolicyRunBtn, "Run (Policy HKCU)", kHKCUPolicyRun, IsWinNT},
  };
  for (const auto& b : buttons) {
    EXPECT_EQ(b.button->Text(), b.caption);
    EXPECT_EQ(b.button->Hint(), b.keyPath);
    EXPECT_EQ(b.button->Visible(), b.shown) << b.caption;
    if (!b.shown) continue;
    Press(*b.button);
    EXPECT_EQ(Page().CurrentRegKey, b.keyPath);
    EXPECT_FALSE(Page().HKLMRunBtn.Down());
  }
}

TEST_F(RegistryViewsTest, EachViewListsSavesAndExportsOnlyItsOwnValues) {
  if (!IsWin64()) return;  // 32-bit Windows has one view, and no button for another
  Open();
  const struct {
    TSpeedButton* button;
    std::string keyName;
  } keys[] = {{&Page().HKLMRun32Btn, "Run"}, {&Page().HKLMRunOnce32Btn, "RunOnce"}};
  for (const auto& key : keys) {
    const std::string subKey = kRunKeys + key.keyName;
    StoreValue(HKEY_LOCAL_MACHINE, subKey, {"Nur64", "n64.exe"}, KEY_WOW64_64KEY);
    StoreValue(HKEY_LOCAL_MACHINE, subKey, {"Nur32", "n32.exe"}, KEY_WOW64_32KEY);
    Press(*key.button);
    EXPECT_EQ(Rows(), std::vector<std::string>{"Nur32=n32.exe"}) << key.keyName;
    AddUnsavedRow("Neu32", "neu.exe");
    EXPECT_EQ(SaveAndExport(), "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\"
                               "CurrentVersion\\" +
                                   key.keyName + "]\r\n\"Neu32\"=\"neu.exe\"\r\n\"Nur32\"=\"n32.exe\"\r\n\r\n");
    EXPECT_EQ(StoredValues(HKEY_LOCAL_MACHINE, subKey, KEY_WOW64_32KEY),
              (std::vector<TStoredValue>{{"Neu32", "neu.exe"}, {"Nur32", "n32.exe"}}));
    EXPECT_EQ(StoredValues(HKEY_LOCAL_MACHINE, subKey, KEY_WOW64_64KEY),
              (std::vector<TStoredValue>{{"Nur64", "n64.exe"}}));
    Page().LoadRegKey(RunKeyPath("HKEY_LOCAL_MACHINE", key.keyName.c_str()));
    EXPECT_EQ(Rows(), std::vector<std::string>{"Nur64=n64.exe"}) << key.keyName;
  }
}

TEST_F(RegistryViewsTest, ThePolicyRunKeysAreListedSavedAndExportedLikeTheOthers) {
  if (!IsWinNT) return;  // Windows 9x has no such keys, and no buttons for them
  Open();
  const struct {
    TSpeedButton* button;
    std::string keyPath;
  } keys[] = {{&Page().HKLMPolicyRunBtn, kHKLMPolicyRun}, {&Page().HKCUPolicyRunBtn, kHKCUPolicyRun}};
  for (const auto& key : keys) {
    Store(key.keyPath, "1", "C:\\eins.exe");
    Press(*key.button);
    EXPECT_EQ(Rows(), std::vector<std::string>{"1=C:\\eins.exe"});
    AddUnsavedRow("2", "zwei.exe");
    EXPECT_EQ(SaveAndExport(),
              "REGEDIT4\r\n\r\n[" + key.keyPath + "]\r\n\"1\"=\"C:\\\\eins.exe\"\r\n\"2\"=\"zwei.exe\"\r\n\r\n");
    EXPECT_EQ(Stored(key.keyPath), (std::vector<TStoredValue>{{"1", "C:\\eins.exe"}, {"2", "zwei.exe"}}));
  }
  EXPECT_TRUE(Stored(kHKLMRun).empty());
  EXPECT_TRUE(Stored(kHKCURun).empty());
}

}  // namespace
