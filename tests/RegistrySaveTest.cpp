// "Änderungen speichern" on the Registry page.
#include <algorithm>
#include <optional>

#include "support/Tools.h"
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

std::vector<TWideValue> ByName(std::vector<TWideValue> values) {
  std::sort(values.begin(), values.end(), [](auto& a, auto& b) { return a.name < b.name; });
  return values;
}

TEST_F(RegistrySaveTest, ASaveLeavesEveryValueTheUserDidNotChangeByteForByte) {
  TRunKeyPath key = ResolveRunKeyPath(kHKLMRun);
  for (const TWideValue& value : kKeptValues) StoreWideValue(key.root, key.subKey, value);
  Store(kHKLMRun, "Alt", "alt.exe");
  Open();
  EXPECT_EQ(View().Count(), 5);  // every value is listed
  Select("Alt");
  dialogs.Answer({TModalResult::Yes});
  Press(Page().RemoveRegBtn);
  AddUnsavedRow("Neu", "neu.exe");
  Press(Page().SaveRegBtn);
  ExpectShown(dialogs, {Question("Alt wirklich entfernen?"), Info("Speicherung abgeschlossen!")});
  std::vector<TWideValue> expected = kKeptValues;
  expected.push_back({L"Neu", WideTextBytes(L"neu.exe")});
  EXPECT_EQ(ByName(StoredWideValues(key.root, key.subKey)), ByName(expected));
}

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

TEST_F(RegistrySaveTest, WhatAnotherProgramChangedMeanwhileIsToldAndKeptUnlessTheUserOverwritesIt) {
  using Entries = std::vector<std::pair<std::string, std::string>>;
  const struct {
    const char* what;
    Entries otherSets;                  // data "" removes
    Entries userSets;                   // data "" removes, a new name adds
    std::optional<TModalResult> answer;  // to the question, when one comes
    TShownMessage told;
    std::vector<std::string> keyAfter;
  } cases[] = {
      {"added there, another added here", {{"X", "x.exe"}}, {{"N", "n.exe"}}, {}, KeptNote("hinzugefügt: X\r\n"),
       {"A=a.exe", "B=b.exe", "N=n.exe", "X=x.exe"}},
      {"changed there, another removed here", {{"A", "a2.exe"}}, {{"B", ""}}, {}, KeptNote("geändert: A\r\n"),
       {"A=a2.exe"}},
      {"removed there, nothing changed here", {{"A", ""}}, {}, {}, KeptNote("entfernt: A\r\n"), {"B=b.exe"}},
      {"removed there and here", {{"A", ""}}, {{"A", ""}}, {}, KeptNote("entfernt: A\r\n"), {"B=b.exe"}},
      {"changed there and here, No", {{"A", "a2.exe"}}, {{"A", "mein.exe"}, {"N", "n.exe"}}, TModalResult::No,
       OverwriteQuestion("geändert: A\r\n", "\"A\""), {"A=a2.exe", "B=b.exe", "N=n.exe"}},
      {"changed there and here, Yes", {{"A", "a2.exe"}}, {{"A", "mein.exe"}}, TModalResult::Yes,
       OverwriteQuestion("geändert: A\r\n", "\"A\""), {"A=mein.exe", "B=b.exe"}},
      {"added there under the name added here, No", {{"x", "x.exe"}}, {{"X", "mein.exe"}}, TModalResult::No,
       OverwriteQuestion("hinzugefügt: x\r\n", "\"X\""), {"A=a.exe", "B=b.exe", "x=x.exe"}},
      {"removed there, changed here, No", {{"B", ""}}, {{"B", "mein.exe"}}, TModalResult::No,
       OverwriteQuestion("entfernt: B\r\n", "\"B\""), {"A=a.exe"}},
      {"changed there, removed here, Yes", {{"A", "a2.exe"}, {"C", "c.exe"}}, {{"A", ""}}, TModalResult::Yes,
       OverwriteQuestion("geändert: A\r\nhinzugefügt: C\r\n", "\"A\""), {"B=b.exe", "C=c.exe"}},
  };
  TRunKeyPath key = ResolveRunKeyPath(kHKLMRun);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    DeleteAllValues(key.root, key.subKey);
    Store(kHKLMRun, "A", "a.exe");
    Store(kHKLMRun, "B", "b.exe");
    Open();
    dialogs.ClearShown();
    for (const auto& [name, data] : c.otherSets) {
      if (data.empty())
        DeleteValue(key.root, key.subKey, name);
      else
        StoreString(key.root, key.subKey, name, data);
    }
    for (const auto& [name, data] : c.userSets) SetUnsavedRow(name, data);
    if (c.answer) dialogs.Answer({*c.answer});
    Press(Page().SaveRegBtn);
    ExpectShown(dialogs, {c.told, Info("Speicherung abgeschlossen!")});
    std::vector<std::string> stored;
    for (const TStoredValue& value : Stored(kHKLMRun)) stored.push_back(value.name + "=" + value.data);
    std::sort(stored.begin(), stored.end());
    EXPECT_EQ(stored, c.keyAfter);
    EXPECT_EQ(Rows(), c.keyAfter);  // the list shows the key as it now is
    EXPECT_FALSE(Page().RegChanged);
    form.reset();
  }
}

}  // namespace
