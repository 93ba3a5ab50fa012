// "Änderungen speichern" on the Registry page.
#include <algorithm>

#include "tests/RegistryPageFixture.h"

namespace {

using RegistrySaveTest = RegistryPageTest;

TEST_F(RegistrySaveTest, WritesTheListOverTheKeyLeavesTheListAsItIsAndReportsEachSave) {
  Store(kHKLMRun, "Alt", "alt.exe");
  Store(kHKLMRun, "Pfad", "%windir%\\p.exe", REG_EXPAND_SZ);
  TRunKeyPath key = ResolveRunKeyPath(kHKLMRun);
  StoreValue(key.root, key.subKey, {"Zahl", std::string("\x07\0\0\0", 4), REG_DWORD});
  Open();
  Select("Alt");
  dialogs.Answer({TModalResult::Yes});
  Press(Page().RemoveRegBtn);
  AddUnsavedRow("", "standard.exe");
  AddUnsavedRow("Doppelt", "erst.exe");
  AddUnsavedRow("Doppelt", "dann.exe");
  Page().RegViewColumnClick(1);  // a sort by value survives the save
  const std::vector<std::string> shown = Rows();
  dialogs.ClearShown();
  Press(Page().SaveRegBtn);
  Press(Page().SaveRegBtn);
  ExpectShown(dialogs, {Info("Speicherung abgeschlossen!"), Info("Speicherung abgeschlossen!")});
  EXPECT_EQ(Rows(), shown);
  EXPECT_FALSE(Page().RegChanged);
  std::vector<TStoredValue> stored = Stored(kHKLMRun);
  std::sort(stored.begin(), stored.end(), [](auto& a, auto& b) { return a.name < b.name; });
  EXPECT_EQ(stored, (std::vector<TStoredValue>{{"", "standard.exe", REG_SZ},
                                               {"Doppelt", "erst.exe", REG_SZ},  // lower in the list
                                               {"Pfad", "%windir%\\p.exe", REG_EXPAND_SZ},
                                               {"Zahl", std::string("\x07\0\0\0", 4), REG_DWORD}}));
  Press(Page().HKCURunBtn);  // saved: switching asks nothing
  EXPECT_EQ(dialogs.Shown().size(), 2u);
}

TEST_F(RegistrySaveTest, AnEmptyListEmptiesTheKey) {
  Store(kHKLMRun, "A", "a.exe");
  Store(kHKLMRun, "B", "b.exe");
  Open();
  View().Clear();
  Page().SaveRegBtnClick();
  EXPECT_TRUE(Stored(kHKLMRun).empty());
}

TEST_F(RegistrySaveTest, AMissingKeyIsNotCreatedButTheSaveIsReportedAndTheFlagCleared) {
  const std::string missing = "HKEY_CURRENT_USER\\Software\\VelmoraTests\\Fehlt";
  Open();
  Page().LoadRegKey(missing);
  AddUnsavedRow("Neu", "neu.exe");
  Press(Page().SaveRegBtn);
  ExpectShown(dialogs, {Info("Speicherung abgeschlossen!")});
  EXPECT_FALSE(Page().RegChanged);
  HKEY opened;
  EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\VelmoraTests\\Fehlt", 0, KEY_READ, &opened), ERROR_SUCCESS);
}

TEST_F(RegistrySaveTest, AValueTheRegistryRefusesIsReportedAndTheOthersAreWritten) {
  Open();
  const std::string tooLong(17000, 'N');
  AddUnsavedRow(tooLong, "x.exe");
  AddUnsavedRow("Gut", "gut.exe");
  Press(Page().SaveRegBtn);
  ExpectShown(dialogs, {Error("Konnte Wert " + tooLong + " nicht in Registrierung schreiben!"),
                        Info("Speicherung abgeschlossen!")});
  EXPECT_EQ(Stored(kHKLMRun), (std::vector<TStoredValue>{{"Gut", "gut.exe", REG_SZ}}));
}

TEST_F(RegistrySaveTest, ClosingWithChangesAsksAndYesSaves) {
  Open();
  AddUnsavedRow("Neu", "neu.exe");
  dialogs.Answer({TModalResult::Yes});
  form->Close();
  ExpectShown(dialogs, {Question("Änderungen in die Windows-Registrierung speichern?"),
                        Info("Speicherung abgeschlossen!")});
  EXPECT_EQ(Stored(kHKLMRun), (std::vector<TStoredValue>{{"Neu", "neu.exe", REG_SZ}}));
}

}  // namespace
