// Switching Run entries off and on from the Registry page: the box of a row,
// the questions it brings and what the other buttons make of it. Where the
// entries go on save is the model's (RunKeyEntriesTest).
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
};

TEST_F(RegistrySwitchTest, UntickingIsAnEditThatTheSaveCarriesOutAndTheListShowsAfterwards) {
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
  EXPECT_EQ(View().SubItem2(0), IsWin8OrLater() ? "von Velmora deaktiviert" : "");

  Tick("Pfad", true);
  Press(Page().SaveRegBtn);
  EXPECT_EQ(Waiting(kHKCURun), TValues{});
  EXPECT_EQ(View().SubItem2(0), IsWin8OrLater() ? "aktiv" : "");
  EXPECT_FALSE(Page().RegChanged);
  ExpectShown(dialogs, {Info("Speicherung abgeschlossen!"), Info("Speicherung abgeschlossen!")});
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

// A click whose switch still waits when the key is loaded anew was made on
// a list no longer shown: it switches nothing, not even the same entry.
TEST_F(RegistrySwitchTest, AClickStillWaitingWhenTheKeyIsLoadedAnewSwitchesNothing) {
  Store(kHKLMRun, "Werkzeug", "w.exe");
  Open();
  ClickCheckBox(View(), 0);
  Page().LoadRegKey(kHKLMRun);
  Application().ProcessMessages();
  EXPECT_EQ(Ticks(), std::vector<bool>{true});
  EXPECT_FALSE(Page().RegChanged);
  ExpectShown(dialogs, {});
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

// The same name both in the key and waiting in the sub-key: a click with
// the mouse on one row's box would move it onto the other. The question
// comes once the list's own handling of the click is over (and proves that
// the click reached the box); "&Nein" leaves the box and both values as
// they are.
TEST_F(RegistrySwitchTest, AClickOnABoxThatMovesAnEntryOntoOneOfItsNameAsksAfterTheClickAndNoKeepsBoth) {
  const std::string runKey = ResolveRunKeyPath(kHKCURun).subKey;
  const struct {
    const char* name;
    const char* clicked;  // the row whose box is clicked, by its program
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
    form->Show();
    Press(Page().HKCURunBtn);
    int row = 0;
    while (View().SubItem(row) != c.clicked) ++row;
    const bool wasChecked = View().Checked(row);
    dialogs.ClearShown();
    dialogs.Answer({c.answer});
    ClickCheckBox(View(), row);
    EXPECT_EQ(View().Checked(row), wasChecked) << "the box shows its entry, which the page has not switched yet";
    ExpectShown(dialogs, {});
    Application().ProcessMessages();
    ExpectShown(dialogs, {Question("Es gibt bereits einen Eintrag \"X\". Soll er ersetzt werden?")});
    EXPECT_EQ(View().Count(), c.answer == TModalResult::Yes ? 1 : 2);
    const std::vector<bool> ticks = c.answer == TModalResult::Yes ? std::vector<bool>{!wasChecked}
                                                                  : std::vector<bool>{true, false};
    EXPECT_EQ(Ticks(), ticks);
    EXPECT_EQ(Page().RegChanged, c.answer == TModalResult::Yes);
    Press(Page().SaveRegBtn);
    EXPECT_EQ(Stored(kHKCURun), c.key);
    EXPECT_EQ(Waiting(kHKCURun), c.waiting);
    form.reset();
    DeleteAllValues(HKEY_CURRENT_USER, runKey);
    DeleteAllValues(HKEY_CURRENT_USER, SwitchedOffKey(runKey));
  }
}

}  // namespace
