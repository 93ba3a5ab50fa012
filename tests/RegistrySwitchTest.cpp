// Switching Run entries off and on from the Registry page: an edit like the
// others, written on save into the key's sub-key and back.
#include <algorithm>

#include "tests/RegistryPageFixture.h"
#include "tests/ScratchFolder.h"
#include "support/SwitchedOffEntries.h"
#include "support/Tools.h"
#include "support/WindowsVersion.h"

namespace {

using TValues = std::vector<TStoredValue>;

class RegistrySwitchTest : public RegistryPageTest {
 protected:
  TValues Waiting(const std::string& keyPath) {
    TRunKeyPath key = ResolveRunKeyPath(keyPath);
    return StoredValues(key.root, SwitchedOffKey(key.subKey), key.view);
  }
  int RowOf(const std::string& name) {
    for (int i = 0; i < View().Count(); ++i)
      if (View().Caption(i) == name) return i;
    return -1;
  }
  // What the user's click on a row's box does to the list.
  void Tick(const std::string& name, bool checked) { ListView_SetCheckState(View().Handle(), RowOf(name), checked); }
  std::vector<bool> Ticks() {
    std::vector<bool> ticks;
    for (int i = 0; i < View().Count(); ++i) ticks.push_back(View().Checked(i));
    return ticks;
  }
};

TEST_F(RegistrySwitchTest, UntickingIsAnEditThatTheSaveMovesIntoTheSubKeyAndTickingMovesBack) {
  Store(kHKCURun, "Pfad", "%windir%\\a.exe", REG_EXPAND_SZ);
  Store(kHKCURun, "Werkzeug", "w.exe");
  Open();
  Press(Page().HKCURunBtn);
  EXPECT_EQ(Ticks(), (std::vector<bool>{true, true}));

  Tick("Pfad", false);
  EXPECT_TRUE(Page().RegChanged);
  EXPECT_EQ(Waiting(kHKCURun), TValues{}) << "nothing is written before the save";
  Press(Page().SaveRegBtn);
  EXPECT_EQ(Stored(kHKCURun), (TValues{{"Werkzeug", "w.exe", REG_SZ}}));
  EXPECT_EQ(Waiting(kHKCURun), (TValues{{"Pfad", "%windir%\\a.exe", REG_EXPAND_SZ}}));

  Press(Page().RegRefreshBtn);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"Pfad=%windir%\\a.exe", "Werkzeug=w.exe"}));
  EXPECT_EQ(Ticks(), (std::vector<bool>{false, true}));

  Tick("Pfad", true);
  Press(Page().SaveRegBtn);
  TValues stored = Stored(kHKCURun);
  std::sort(stored.begin(), stored.end(), [](auto& a, auto& b) { return a.name < b.name; });
  EXPECT_EQ(stored, (TValues{{"Pfad", "%windir%\\a.exe", REG_EXPAND_SZ}, {"Werkzeug", "w.exe", REG_SZ}}));
  EXPECT_EQ(Waiting(kHKCURun), TValues{});
  ExpectShown(dialogs, {Info("Speicherung abgeschlossen!"), Info("Speicherung abgeschlossen!")});
}

// Each Run-type key keeps its switched-off entries in a sub-key of its own,
// with name, data and type as they were; the sub-key goes with its last entry.
TEST_F(RegistrySwitchTest, EveryKeyKeepsItsSwitchedOffEntriesUnchangedInASubKeyOfItsOwn) {
  const std::string services = RunKeyPath("HKEY_LOCAL_MACHINE", "RunServices");
  const struct {
    const std::string& keyPath;
    TStoredValue value;
  } cases[] = {
      {kHKLMRun, {"Werkzeug", "\"C:\\Programme\\Werkzeug\\w.exe\" /start", REG_SZ}},
      {kHKCURunOnce, {"", "C:\\einmal.exe", REG_SZ}},
      {services, {"Prüfung Ä", "%windir%\\Prüfprogramm\\ß.exe", REG_EXPAND_SZ}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keyPath);
    Store(c.keyPath, c.value.name, c.value.data, c.value.type);
    Open();
    Page().LoadRegKey(c.keyPath);
    Tick(c.value.name, false);
    Press(Page().SaveRegBtn);
    EXPECT_EQ(Stored(c.keyPath), TValues{});
    EXPECT_EQ(Waiting(c.keyPath), TValues{c.value});
    Tick(c.value.name, true);
    Press(Page().SaveRegBtn);
    EXPECT_EQ(Stored(c.keyPath), TValues{c.value});
    HKEY waiting;
    const TRunKeyPath key = ResolveRunKeyPath(c.keyPath);
    EXPECT_NE(RegOpenKeyExA(key.root, SwitchedOffKey(key.subKey).c_str(), 0, KEY_READ | key.view, &waiting),
              ERROR_SUCCESS)
        << "the empty sub-key is left behind";
    form.reset();
  }
}

// Its '?' form is not its name: such an entry is not moved from here.
TEST_F(RegistrySwitchTest, AnEntryTheAnsiCodePageCannotCarryIsNotSwitchedHere) {
  if (!IsWinNT) GTEST_SKIP() << "the 9x family's registry holds ANSI text only";
  StoreForeignEntry("Fremd");
  const std::vector<TStoredValue> before = Stored(kHKLMRun);
  Open();
  Tick("Fremd", false);
  EXPECT_EQ(Ticks(), std::vector<bool>{true});
  EXPECT_FALSE(Page().RegChanged);
  Press(Page().SaveRegBtn);
  EXPECT_EQ(Stored(kHKLMRun), before);
  EXPECT_EQ(Waiting(kHKLMRun), TValues{});
  ExpectShown(dialogs, {Error("Der Eintrag \"Fremd\" enthält Zeichen, die hier nur als \"?\" angezeigt werden "
                              "können. Er kann hier weder geändert noch entfernt werden; beim Speichern bleibt er "
                              "unverändert."),
                        Info("Speicherung abgeschlossen!")});
}

TEST_F(RegistrySwitchTest, SwitchingOffAndClosingWithoutSavingLeavesTheEntryOn) {
  Store(kHKLMRun, "Werkzeug", "w.exe");
  Open();
  Tick("Werkzeug", false);
  dialogs.Answer({TModalResult::No});
  form->Close();
  ExpectShown(dialogs, {Question("Änderungen in die Windows-Registrierung speichern?")});
  form.reset();

  Open();
  EXPECT_EQ(Ticks(), std::vector<bool>{true});
  EXPECT_EQ(Stored(kHKLMRun), (TValues{{"Werkzeug", "w.exe", REG_SZ}}));
  EXPECT_EQ(Waiting(kHKLMRun), TValues{});
}

TEST_F(RegistrySwitchTest, SortingKeepsEachRowsTickAndTheCheckLeavesSwitchedOffEntriesAlone) {
  Store(kHKLMRun, "A", "C:\\fehlt\\a.exe");
  Store(kHKLMRun, "B", "notepad.exe");
  Open();
  Tick("A", false);
  Page().RegViewColumnClick(0);
  Page().RegViewColumnClick(0);  // descending
  EXPECT_EQ(Rows(), (std::vector<std::string>{"B=notepad.exe", "A=C:\\fehlt\\a.exe"}));
  EXPECT_EQ(Ticks(), (std::vector<bool>{true, false}));
  Press(Page().RegCheckBtn);
  ExpectShown(dialogs, {Info("Alle Dateiangaben sind korrekt!")});
}

TEST_F(RegistrySwitchTest, ExportWritesOnlyTheEntriesThatAreOnAndSaysSo) {
  TScratchFolder folder("switch-export");
  Store(kHKLMRun, "Aus", "aus.exe");
  Store(kHKLMRun, "An", "an.exe");
  Open();
  Tick("Aus", false);
  dialogs.ChooseFile(folder.File("run.reg"));
  Press(Page().RegExportBtn);
  EXPECT_EQ(ReadFileBytes(folder.File("run.reg")),
            "REGEDIT4\r\n\r\n; Nur eingeschaltete Einträge; ausgeschaltete Einträge sind nicht enthalten.\r\n[" +
                kHKLMRun + "]\r\n\"An\"=\"an.exe\"\r\n\r\n");
}

// The same name both in the key and waiting in the sub-key: the two rows
// stand for two values, and moving one onto the other asks first; "&Nein"
// leaves the box and both values as they are.
TEST_F(RegistrySwitchTest, SwitchingOntoAnEntryOfTheSameNameAsksAndNoKeepsBoth) {
  const std::string runKey = ResolveRunKeyPath(kHKCURun).subKey;
  const struct {
    const char* name;
    const char* ticked;  // the row whose box is clicked, by its program
    TModalResult answer;
    TValues key, waiting;
  } cases[] = {
      {"switch on, no", "alt.exe", TModalResult::No, {{"X", "neu.exe", REG_SZ}}, {{"X", "alt.exe", REG_SZ}}},
      {"switch on, yes", "alt.exe", TModalResult::Yes, {{"X", "alt.exe", REG_SZ}}, {}},
      {"switch off, no", "neu.exe", TModalResult::No, {{"X", "neu.exe", REG_SZ}}, {{"X", "alt.exe", REG_SZ}}},
      {"switch off, yes", "neu.exe", TModalResult::Yes, {}, {{"X", "neu.exe", REG_SZ}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Store(kHKCURun, "X", "neu.exe");
    StoreValue(HKEY_CURRENT_USER, SwitchedOffKey(runKey), {"X", "alt.exe"});
    Open();
    Press(Page().HKCURunBtn);
    int row = 0;
    while (View().SubItem(row) != c.ticked) ++row;
    dialogs.ClearShown();
    dialogs.Answer({c.answer});
    ListView_SetCheckState(View().Handle(), row, !View().Checked(row));
    ExpectShown(dialogs, {Question("Es gibt bereits einen Eintrag \"X\". Soll er ersetzt werden?")});
    EXPECT_EQ(View().Count(), c.answer == TModalResult::Yes ? 1 : 2);
    EXPECT_EQ(Page().RegChanged, c.answer == TModalResult::Yes);
    Press(Page().SaveRegBtn);
    EXPECT_EQ(Stored(kHKCURun), c.key);
    EXPECT_EQ(Waiting(kHKCURun), c.waiting);
    form.reset();
    DeleteAllValues(HKEY_CURRENT_USER, runKey);
    DeleteAllValues(HKEY_CURRENT_USER, SwitchedOffKey(runKey));
  }
}

// The program is gone: the entry is still listed, and removing it takes it
// out of the sub-key, which goes with its last entry.
TEST_F(RegistrySwitchTest, ASwitchedOffEntryWhoseProgramIsGoneIsListedAndCanBeRemoved) {
  const std::string runKey = ResolveRunKeyPath(kHKCURun).subKey;
  StoreValue(HKEY_CURRENT_USER, SwitchedOffKey(runKey), {"Alt", "C:\\fehlt\\alt.exe"});
  Open();
  Press(Page().HKCURunBtn);
  EXPECT_EQ(Rows(), std::vector<std::string>{"Alt=C:\\fehlt\\alt.exe"});
  Select("Alt");
  dialogs.Answer({TModalResult::Yes});
  Press(Page().RemoveRegBtn);
  Press(Page().SaveRegBtn);
  ExpectShown(dialogs, {Question("Alt wirklich entfernen?"), Info("Speicherung abgeschlossen!")});
  HKEY waiting;
  EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, SwitchedOffKey(runKey).c_str(), 0, KEY_READ, &waiting), ERROR_SUCCESS);
}

// Ticked means started, for Windows too: what its task manager switched off
// is unticked, stays where it is on save, and ticking it lets Windows start
// it again, also when it waited in the sub-key.
TEST_F(RegistrySwitchTest, WhatWindowsSwitchedOffIsUntickedAndTickingSwitchesItOnInWindowsOnSave) {
  if (!IsWin8OrLater()) GTEST_SKIP() << "Windows switches entries off from Windows 8 on";
  TStartupApprovedValues approved;
  const SYSTEMTIME when = LocalTime(2026, 12, 8, 10, 15);
  Store(kHKCURun, "An", "an.exe");
  Store(kHKCURun, "Aus", "aus.exe");
  Store(kHKCURun, "Bleibt", "b.exe");
  StoreValue(HKEY_CURRENT_USER, SwitchedOffKey(ResolveRunKeyPath(kHKCURun).subKey), {"Wartet", "w.exe"});
  for (const char* name : {"Aus", "Bleibt", "Wartet"}) approved.SwitchOff(HKEY_CURRENT_USER, "Run", name, when);
  const std::string switchedOff = TStartupApprovedValues::Bytes(HKEY_CURRENT_USER, "Run", "Bleibt");
  Open();
  Press(Page().HKCURunBtn);
  EXPECT_EQ(Ticks(), (std::vector<bool>{true, false, false, false}));
  EXPECT_EQ(View().SubItem2(RowOf("Wartet")), "von Velmora deaktiviert");
  Press(Page().SaveRegBtn);
  EXPECT_EQ(Stored(kHKCURun),
            (TValues{{"An", "an.exe", REG_SZ}, {"Aus", "aus.exe", REG_SZ}, {"Bleibt", "b.exe", REG_SZ}}));
  EXPECT_EQ(Waiting(kHKCURun), (TValues{{"Wartet", "w.exe", REG_SZ}}));

  Tick("An", false);
  Tick("Aus", true);
  Tick("Wartet", true);
  EXPECT_EQ(TStartupApprovedValues::Bytes(HKEY_CURRENT_USER, "Run", "Aus"), switchedOff) << "written on save only";
  Press(Page().SaveRegBtn);
  EXPECT_EQ(Stored(kHKCURun),
            (TValues{{"Aus", "aus.exe", REG_SZ}, {"Bleibt", "b.exe", REG_SZ}, {"Wartet", "w.exe", REG_SZ}}));
  EXPECT_EQ(Waiting(kHKCURun), (TValues{{"An", "an.exe", REG_SZ}}));
  for (const char* name : {"Aus", "Wartet"})
    EXPECT_EQ(TStartupApprovedValues::Bytes(HKEY_CURRENT_USER, "Run", name), TStartupApprovedValues::kSwitchedOn);
  EXPECT_EQ(TStartupApprovedValues::Bytes(HKEY_CURRENT_USER, "Run", "Bleibt"), switchedOff);
  for (const char* name : {"Aus", "Wartet"}) EXPECT_EQ(View().SubItem2(RowOf(name)), "aktiv");
  EXPECT_EQ(View().SubItem2(RowOf("Bleibt")), "deaktiviert seit 08.12.2026 10:15");
  EXPECT_EQ(View().SubItem2(RowOf("An")), "von Velmora deaktiviert");
  EXPECT_FALSE(Page().RegChanged);
  ExpectShown(dialogs, {Info("Speicherung abgeschlossen!"), Info("Speicherung abgeschlossen!")});
}

}  // namespace
