// "Änderungen speichern" on the Registry page.
#include <algorithm>
#include <optional>

#include "support/Tools.h"
#include "tests/RegistryPageFixture.h"

namespace {

using RegistrySaveTest = RegistryPageTest;

TEST_F(RegistrySaveTest, WritesTheChangesLeavesTheListAsItIsAndReportsEachSave) {
  Store(kHKLMRun, "Alt", "alt.exe");
  Store(kHKLMRun, "Pfad", "%windir%\\p.exe", REG_EXPAND_SZ);
  Open();
  Select("Alt");
  dialogs.Answer({TModalResult::Yes});
  Press(Page().RemoveRegBtn);
  AddUnsavedRow(" ", "standard.exe");
  Page().RegViewColumnClick(1);  // a sort by value survives the save
  Select("Pfad");
  const std::vector<std::string> shown = Rows();
  dialogs.ClearShown();
  Press(Page().SaveRegBtn);
  Press(Page().SaveRegBtn);
  ExpectShown(dialogs, {Info("Speicherung abgeschlossen!"), Info("Speicherung abgeschlossen!")});
  EXPECT_EQ(Rows(), shown);
  EXPECT_EQ(View().Caption(View().SelectedIndex()), "Pfad");
  EXPECT_FALSE(Page().RegChanged);
  std::vector<TStoredValue> stored = Stored(kHKLMRun);
  std::sort(stored.begin(), stored.end(), [](auto& a, auto& b) { return a.name < b.name; });
  EXPECT_EQ(stored, (std::vector<TStoredValue>{{"", "standard.exe", REG_SZ},
                                               {"Pfad", "%windir%\\p.exe", REG_EXPAND_SZ}}));
  Press(Page().HKCURunBtn);  // saved: switching asks nothing
  EXPECT_EQ(dialogs.Shown().size(), 2u);
}

TEST_F(RegistrySaveTest, AMissingKeyIsNotCreatedAndTheEntriesItCannotTakeAreReportedAndStayUnsaved) {
  const std::string missing = "HKEY_CURRENT_USER\\Software\\VelmoraTests\\Fehlt";
  Open();
  Page().LoadRegKey(missing);
  AddUnsavedRow("Neu", "neu.exe");
  Press(Page().SaveRegBtn);
  ExpectShown(dialogs, {Error("Konnte Wert Neu nicht in Registrierung schreiben!")});
  EXPECT_TRUE(Page().RegChanged);
  HKEY opened;
  EXPECT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\VelmoraTests\\Fehlt", 0, KEY_READ, &opened), ERROR_SUCCESS);
}

TEST_F(RegistrySaveTest, AValueTheRegistryRefusesIsReportedTheOthersAreWrittenAndNoSuccessIsClaimed) {
  Open();
  const std::string tooLong(17000, 'N');
  AddUnsavedRow(tooLong, "x.exe");
  AddUnsavedRow("Gut", "gut.exe");
  Press(Page().SaveRegBtn);
  ExpectShown(dialogs, {Error("Konnte Wert " + tooLong + " nicht in Registrierung schreiben!")});
  EXPECT_EQ(Stored(kHKLMRun), (std::vector<TStoredValue>{{"Gut", "gut.exe", REG_SZ}}));
  EXPECT_TRUE(Page().RegChanged);
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

// Values the ANSI functions would corrupt, and values a save must not
// rewrite: a text with bytes after its zero, a long one.
const std::vector<TWideValue> kKeptValues = {
    {L"\u041A\u0438\u0440\u0438\u043B\u043B\u0438\u0446\u0430",
     WideTextBytes(L"C:\\\u041F\u0440\u043E\u0433\u0440\u0430\u043C\u043C\u044B\\\u65E5\u672C\\app.exe")},
    {L"Normal", WideTextBytes(L"C:\\\u041F\u0440\u043E\u0433\u0440\u0430\u043C\u043C\u044B\\app.exe")},
    {L"Mit Rest", WideTextBytes(std::wstring(L"rest.exe\0Rest", 13))},
    {L"Lang", WideTextBytes(std::wstring(5000, L'l'))},
};
const std::string kForeignName(9, '?');  // the first name as the list shows it

TEST_F(RegistrySaveTest, EntriesWithCharactersTheAnsiCodePageLacksCannotBeEditedOrRemovedHere) {
  if (!IsWinNT) GTEST_SKIP() << "the 9x family has only the ANSI registry: every entry it lists can be edited";
  TRunKeyPath key = ResolveRunKeyPath(kHKLMRun);
  for (const TWideValue& value : kKeptValues) StoreWideValue(key.root, key.subKey, value);
  Open();
  form->Show();
  const std::string notEditable = "Der Eintrag \"" + kForeignName +
                                  "\" enthält Zeichen, die hier nur als \"?\" angezeigt werden können. Er kann hier "
                                  "weder geändert noch entfernt werden; beim Speichern bleibt er unverändert.";
  const std::vector<std::string> shown = Rows();
  Select(kForeignName);
  Press(Page().EditRegBtn);
  Press(Page().RemoveRegBtn);
  RegViewDoubleClick();
  FillEntryDialog("normal", "anders.exe");  // the name of an entry with such data
  Press(Page().AddRegBtn);
  ExpectShown(dialogs, {Error(notEditable), Error(notEditable), Error(notEditable),
                        Error("Der Name \"normal\" gehört zu einem Eintrag mit Zeichen, die hier nicht bearbeitet "
                              "werden können. Der Eintrag wurde nicht übernommen.")});
  EXPECT_EQ(Rows(), shown);
  EXPECT_FALSE(Page().RegChanged);
}

// Another program changes the key between the load and the save.
std::string ChangedElsewhere(const std::string& lines) {
  return "Der Schlüssel " + kHKLMRun + " wurde seit dem Laden von einem anderen Programm geändert:\r\n" + lines;
}
TShownMessage KeptNote(const std::string& lines) {
  return Info(ChangedElsewhere(lines) +
              "\r\nDiese Änderungen bleiben erhalten. Die Liste zeigt nach dem Speichern den aktuellen Inhalt des "
              "Schlüssels.");
}
TShownMessage OverwriteQuestion(const std::string& lines, const std::string& names) {
  return Question(ChangedElsewhere(lines) + "\r\nIhre Änderungen an " + names +
                  " würden diese Änderungen überschreiben. Trotzdem überschreiben?\r\n(Nein: Diese Einträge bleiben, "
                  "wie das andere Programm sie hinterlassen hat; Ihre übrigen Änderungen werden gespeichert.)");
}

TShownMessage SavedKeeping(const std::string& lines) {
  return Info("Speicherung abgeschlossen!\r\n\r\nNicht gespeichert:\r\n" + lines);
}

// What the user is told and asked when another program changed the key
// between the load and the save; afterwards the list shows the key as it is.
TEST_F(RegistrySaveTest, WhatAnotherProgramChangedMeanwhileIsToldAndWhatWasKeptIsNamed) {
  const struct {
    const char* what;
    TStoredValue other;  // written by the other program
    std::optional<TModalResult> answer;  // to the question, when one comes
    std::vector<TShownMessage> told;
    std::vector<std::string> rows;
  } cases[] = {
      {"added there, another added here", {"X", "x.exe"}, {},
       {KeptNote("hinzugefügt: X\r\n"), Info("Speicherung abgeschlossen!")}, {"A=a.exe", "N=neu.exe", "X=x.exe"}},
      {"added there under the name added here, No", {"n", "x.exe"}, TModalResult::No,
       {OverwriteQuestion("hinzugefügt: n\r\n", "\"N\""),
        SavedKeeping("\"N\": Die Änderung des anderen Programms bleibt erhalten.\r\n")},
       {"A=a.exe", "n=x.exe"}},
      {"added there under the name added here, Yes", {"n", "x.exe"}, TModalResult::Yes,
       {OverwriteQuestion("hinzugefügt: n\r\n", "\"N\""), Info("Speicherung abgeschlossen!")},
       {"A=a.exe", "n=neu.exe"}},
      {"a number there under the name added here", {"N", std::string("\x01\0\0\0", 4), REG_DWORD}, {},
       {KeptNote("hinzugefügt: N\r\n"),
        SavedKeeping("\"N\": Dort steht ein Wert dieses Namens, der kein Text ist; er wird nicht überschrieben.\r\n")},
       {"A=a.exe"}},
  };
  const TRunKeyPath key = ResolveRunKeyPath(kHKLMRun);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    DeleteAllValues(key.root, key.subKey, key.view);
    Store(kHKLMRun, "A", "a.exe");
    Open();
    AddUnsavedRow("N", "neu.exe");
    Store(kHKLMRun, c.other.name, c.other.data, c.other.type);
    dialogs.ClearShown();
    if (c.answer) dialogs.Answer({*c.answer});
    Press(Page().SaveRegBtn);
    ExpectShown(dialogs, c.told);
    EXPECT_EQ(Rows(), c.rows);
    EXPECT_FALSE(Page().RegChanged);
    form.reset();
  }
}

}  // namespace
