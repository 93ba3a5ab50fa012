// The entries of a Run-type key without any window: loading, the edits and
// the collisions they meet, and saves against what another program changed
// meanwhile. The model shows nothing: every test ends with no message shown.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "registry/RunKeyEntries.h"
#include "support/AnsiText.h"
#include "support/SwitchedOffEntries.h"
#include "support/Tools.h"
#include "support/WideText.h"
#include "support/WindowsVersion.h"
#include "tests/FakeInteraction.h"
#include "tests/RegistrySandbox.h"

namespace {

constexpr TRunPlace kKey = TRunPlace::Key, kStore = TRunPlace::Store;
using TTexts = std::vector<std::string>;
const TTexts kNoKey = {"<kein Schlüssel>"};

std::string TypeMark(DWORD type) {
  return type == REG_SZ ? "" : type == REG_EXPAND_SZ ? " (erweiterbar)" : " (Typ " + std::to_string(type) + ")";
}

class RunKeyEntriesTest : public testing::Test {
 protected:
  void TearDown() override { ExpectShown(dialogs, {}); }

  std::string SubKey(TRunPlace place) const {
    return place == kKey ? scratch.SubKey() : SwitchedOffKey(scratch.SubKey());
  }
  // What another program (or an earlier Velmora) writes.
  void Put(TRunPlace place, const TStoredValue& value) { StoreValue(HKEY_CURRENT_USER, SubKey(place), value); }
  void Drop(TRunPlace place, const std::string& name) { DeleteValue(HKEY_CURRENT_USER, SubKey(place), name); }
  void DropKey() { RegDeleteTreeA(HKEY_CURRENT_USER, scratch.SubKey().c_str()); }

  // A key's values as "name=data", sorted; others than plain text say their type.
  TTexts Content(TRunPlace place) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, SubKey(place).c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return kNoKey;
    RegCloseKey(key);
    TTexts texts;
    for (const TStoredValue& value : StoredValues(HKEY_CURRENT_USER, SubKey(place)))
      texts.push_back(value.name + "=" + (IsText(value.type) ? value.data : "") + TypeMark(value.type));
    std::sort(texts.begin(), texts.end());
    return texts;
  }
  // The entries as "K:name=command" (in the key) or "S:name=command" (waiting).
  // named: only those of that name.
  TTexts Listed(const char* named = nullptr) {
    TTexts texts;
    for (const TRunEntry& entry : entries.Entries()) {
      const std::string name = AnsiForm(entry.entry.name);
      if (entry.removed || (named && lstrcmpiA(name.c_str(), named) != 0)) continue;
      texts.push_back((PlaceOf(entry.entry.state) == kKey ? "K:" : "S:") + name + "=" +
                      AnsiForm(entry.entry.command) + TypeMark(entry.entry.type));
    }
    std::sort(texts.begin(), texts.end());
    return texts;
  }
  int Id(const std::string& name, TRunPlace place = kKey) {
    for (const TRunEntry& entry : entries.Entries())
      if (!entry.removed && AnsiForm(entry.entry.name) == name && PlaceOf(entry.entry.state) == place) return entry.id;
    ADD_FAILURE() << "no entry " << name;
    return 0;
  }
  TSaveReport Save(bool overwrite = false) {
    asked = 0;
    return entries.Save([&](const TOtherChanges& other) {
      ++asked;
      seen = other;
      return overwrite;
    });
  }
  TTexts Conflicts() {
    TTexts names;
    for (const std::wstring& name : seen.conflicts) names.push_back(AnsiForm(name));
    return names;
  }

  TScratchKey scratch{"Eintraege"};
  TFakeInteraction dialogs;
  const std::string keyPath = "HKEY_CURRENT_USER\\" + scratch.SubKey();
  TRunKeyEntries entries{keyPath};
  int asked = 0;
  TOtherChanges seen;
};

TEST_F(RunKeyEntriesTest, LoadListsTheTextValuesOfTheKeyAndThoseWaitingInItsSubKey) {
  Put(kKey, {"b", "b.exe"});
  Put(kKey, {"Pfad", "%windir%\\p.exe", REG_EXPAND_SZ});
  Put(kKey, {"", "standard.exe"});
  Put(kKey, {"Name\tmit Tab", "ziel.exe\t/x"});
  Put(kKey, {"Zahl", std::string("\x01\0\0\0", 4), REG_DWORD});
  Put(kStore, {"Aus", "aus.exe"});
  Put(kStore, {"Bytes", std::string("\0\xFF", 2), REG_BINARY});
  Put(kStore, {"Liste", std::string("a\0b\0\0", 5), REG_MULTI_SZ});
  entries.Load();
  EXPECT_EQ(Listed(), (TTexts{"K:=standard.exe", "K:Name\tmit Tab=ziel.exe\t/x", "K:Pfad=%windir%\\p.exe (erweiterbar)",
                              "K:b=b.exe", "S:Aus=aus.exe"}));
  for (const TRunEntry& entry : entries.Entries()) {
    EXPECT_TRUE(entry.entry.editable);
    EXPECT_EQ(entry.entry.state, PlaceOf(entry.entry.state) == kKey ? TEntryState::On : TEntryState::OffByVelmora);
    EXPECT_EQ(entry.entry.place, (TEntryPlace{HKEY_CURRENT_USER, scratch.SubKey(), IsWin64() ? REGSAM{KEY_WOW64_64KEY} : 0}));
  }
  TRunKeyEntries missing("HKEY_CURRENT_USER\\Software\\VelmoraTests\\Fehlt");
  missing.Load();
  EXPECT_TRUE(missing.Entries().empty());
}

// Read wide, a text the ANSI code page cannot carry keeps its exact name and
// command; it is shown with '?' and never changed from here.
TEST_F(RunKeyEntriesTest, AnEntryTheAnsiCodePageCannotCarryIsListedExactlyAndRefusesEveryEdit) {
  if (!IsWinNT) GTEST_SKIP() << "the 9x family's registry holds ANSI text only";
  const std::wstring name = L"Fremd", command = L"C:\\\u041F\u0440\u043E\\app.exe";
  StoreWideString(HKEY_CURRENT_USER, scratch.SubKey(), name, command);
  entries.Load();
  ASSERT_EQ(entries.Entries().size(), 1u);
  const TStartupEntry& entry = entries.Entries()[0].entry;
  EXPECT_EQ(entry.name, name);
  EXPECT_EQ(entry.command, command);
  EXPECT_FALSE(entry.editable);
  const int id = entries.Entries()[0].id;
  EXPECT_EQ(entries.Change(id, L"Fremd", L"x.exe").collision, TCollision::NotEditable);
  EXPECT_EQ(entries.Switch(id, false).collision, TCollision::NotEditable);
  EXPECT_EQ(entries.Remove(id).collision, TCollision::NotEditable);
  EXPECT_EQ(entries.Add(L"fremd", L"x.exe").collision, TCollision::NameNotEditable);
  EXPECT_EQ(Listed(), TTexts{"K:Fremd=C:\\???\\app.exe"});
}

// Values the ANSI functions would corrupt, and values a save must not
// rewrite: a text with bytes after its zero, a long one, a number.
TEST_F(RunKeyEntriesTest, ASaveWritesWhatTheUserChangedAndLeavesEveryOtherValueByteForByte) {
  const std::vector<TWideValue> kept = {
      {L"\u041A\u0438\u0440\u0438\u043B\u043B", WideTextBytes(L"C:\\\u041F\u0440\u043E\\\u65E5\u672C\\app.exe")},
      {L"Mit Rest", WideTextBytes(std::wstring(L"rest.exe\0Rest", 13))},
      {L"Lang", WideTextBytes(std::wstring(5000, L'l'))},
      {L"Zahl", std::string("\x07\0\0\0", 4), REG_DWORD},
  };
  for (const TWideValue& value : kept) StoreWideValue(HKEY_CURRENT_USER, scratch.SubKey(), value);
  Put(kKey, {"Alt", "alt.exe"});
  Put(kKey, {"Pfad", "%windir%\\p.exe", REG_EXPAND_SZ});
  entries.Load();
  EXPECT_EQ(entries.Remove(Id("Alt")).collision, TCollision::None);
  EXPECT_EQ(entries.Add(L"Neu", L"neu.exe").collision, TCollision::None);
  EXPECT_EQ(entries.Change(Id("Pfad"), L"Pfad", L"%windir%\\q.exe").collision, TCollision::None);
  const TSaveReport report = Save();
  EXPECT_EQ(report.saved.size(), 3u);
  EXPECT_TRUE(report.kept.empty() && report.failures.empty());
  EXPECT_EQ(asked, 0);
  std::vector<TWideValue> expected = kept;
  expected.push_back({L"Neu", WideTextBytes(L"neu.exe")});
  expected.push_back({L"Pfad", WideTextBytes(L"%windir%\\q.exe"), REG_EXPAND_SZ});
  auto byName = [](std::vector<TWideValue> values) {
    std::sort(values.begin(), values.end(), [](auto& a, auto& b) { return a.name < b.name; });
    return values;
  };
  EXPECT_EQ(byName(StoredWideValues(HKEY_CURRENT_USER, scratch.SubKey())), byName(expected));
  EXPECT_TRUE(Save().saved.empty()) << "saved twice, nothing is left to write";
}

// Each Run-type key keeps its switched-off entries in a sub-key of its own,
// in the key's view, with name, bytes and type as they were; the sub-key
// goes with its last entry.
TEST_F(RunKeyEntriesTest, SwitchingMovesTheValueUnchangedIntoTheSubKeyOfItsKeyAndBack) {
  TRunKeysSandbox sandbox;
  const struct {
    std::string keyPath;
    TStoredValue value;
  } cases[] = {
      {RunKeyPath("HKEY_LOCAL_MACHINE", "Run"), {"Werkzeug", "\"C:\\Programme\\Werkzeug\\w.exe\" /start"}},
      {RunKeyPath("HKEY_CURRENT_USER", "RunOnce"), {"", "C:\\einmal.exe"}},
      {RunKeyPath("HKEY_LOCAL_MACHINE", "RunServices"), {"Prüfung Ä", "%windir%\\Prüf\\ß.exe", REG_EXPAND_SZ}},
      {RunKey32Path("Run"), {"Mit Rest", std::string("rest.exe\0Rest", 13)}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keyPath);
    if (c.keyPath == RunKey32Path("Run") && !IsWin64()) continue;  // one view only
    const TRunKeyPath key = ResolveRunKeyPath(c.keyPath);
    StoreValue(key.root, key.subKey, c.value, key.view);
    const std::vector<TWideValue> stored = StoredWideValues(key.root, key.subKey, key.view);
    TRunKeyEntries run(c.keyPath);
    run.Load();
    ASSERT_EQ(run.Entries().size(), 1u);
    EXPECT_EQ(run.Switch(run.Entries()[0].id, false).collision, TCollision::None);
    EXPECT_EQ(run.Save(nullptr).saved.size(), 1u);
    EXPECT_TRUE(StoredWideValues(key.root, key.subKey, key.view).empty());
    EXPECT_EQ(StoredWideValues(key.root, SwitchedOffKey(key.subKey), key.view), stored);
    ASSERT_EQ(run.Entries().size(), 1u);
    EXPECT_EQ(run.Entries()[0].entry.state, TEntryState::OffByVelmora);
    EXPECT_EQ(run.Switch(run.Entries()[0].id, true).collision, TCollision::None);
    run.Save(nullptr);
    EXPECT_EQ(StoredWideValues(key.root, key.subKey, key.view), stored);
    HKEY waiting;
    EXPECT_NE(RegOpenKeyExA(key.root, SwitchedOffKey(key.subKey).c_str(), 0, KEY_READ | key.view, &waiting),
              ERROR_SUCCESS)
        << "the empty sub-key is left behind";
  }
}

// Where an edit would put an entry under a name that is taken there (names
// compare without regard to case; the blank name is the default value), it
// is refused or made only once the user agrees to replace the other entry.
TEST_F(RunKeyEntriesTest, EveryEditThatMeetsANameTakenWhereItGoesTellsTheCollision) {
  using TEdit = std::function<TEditResult(bool replace)>;
  const struct {
    const char* what;
    TEdit edit;
    TCollision collision;
    const char* name;  // whose entries to compare
    TTexts after;      // with the user's agreement where asked
  } cases[] = {
      {"add a name the key has", [&](bool r) { return entries.Add(L"X", L"neu.exe", r); }, TCollision::SameName,
       "X", {"K:X=neu.exe", "S:X=s.exe"}},
      {"add it in other letter case", [&](bool r) { return entries.Add(L"x", L"neu.exe", r); }, TCollision::SameName,
       "X", {"K:x=neu.exe", "S:X=s.exe"}},
      {"add a blank name over the default value", [&](bool r) { return entries.Add(L"", L"neu.exe", r); },
       TCollision::SameName, "", {"K:=neu.exe"}},
      {"add the name of a number", [&](bool r) { return entries.Add(L"zahl", L"neu.exe", r); },
       TCollision::NameNotText, "Zahl", {"S:Zahl=z.exe"}},
      {"add a name only the sub-key has", [&](bool r) { return entries.Add(L"W", L"neu.exe", r); },
       TCollision::None, "W", {"K:W=neu.exe", "S:W=w.exe"}},
      {"rename in letter case only", [&](bool r) { return entries.Change(Id("klein"), L"KLEIN", L"k.exe", r); },
       TCollision::None, "klein", {"K:KLEIN=k.exe"}},
      {"rename onto another entry", [&](bool r) { return entries.Change(Id("klein"), L"x", L"k.exe", r); },
       TCollision::SameName, "X", {"K:x=k.exe", "S:X=s.exe"}},
      {"switch off onto a waiting entry", [&](bool r) { return entries.Switch(Id("X"), false, r); },
       TCollision::SameName, "X", {"S:X=k.exe"}},
      {"switch on onto an entry of the key", [&](bool r) { return entries.Switch(Id("X", kStore), true, r); },
       TCollision::SameName, "X", {"K:X=s.exe"}},
      {"switch on where a number stands", [&](bool r) { return entries.Switch(Id("Zahl", kStore), true, r); },
       TCollision::NameNotText, "Zahl", {"S:Zahl=z.exe"}},
      {"switch off where bytes wait", [&](bool r) { return entries.Switch(Id("Bytes"), false, r); },
       TCollision::NameNotText, "Bytes", {"K:Bytes=b.exe"}},
  };
  Put(kKey, {"X", "k.exe"});
  Put(kKey, {"klein", "k.exe"});
  Put(kKey, {"", "standard.exe"});
  Put(kKey, {"Zahl", std::string("\x01\0\0\0", 4), REG_DWORD});
  Put(kKey, {"Bytes", "b.exe"});
  Put(kStore, {"X", "s.exe"});
  Put(kStore, {"W", "w.exe"});
  Put(kStore, {"Zahl", "z.exe"});
  Put(kStore, {"Bytes", std::string("\x01\x02", 2), REG_BINARY});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    entries.Load();
    const TTexts before = Listed();
    EXPECT_EQ(c.edit(false).collision, c.collision);
    if (c.collision == TCollision::SameName) {
      EXPECT_EQ(Listed(), before) << "asked first";
      EXPECT_EQ(c.edit(true).collision, TCollision::None);
    }
    EXPECT_EQ(Listed(c.name), c.after);
  }
}

// The user's changes against another program's, made between the load and
// the save. Nothing the user did not choose to replace is replaced, deleted
// or brought back; a value that is no text is never overwritten.
TEST_F(RunKeyEntriesTest, ASaveKeepsWhatAnotherProgramChangedUnlessTheUserOverwritesItAndSaysWhatItKept) {
  using TAct = std::function<void()>;
  const TTexts none;
  const struct {
    const char* what;
    TAct user, other;
    bool overwrite;
    TTexts conflicts, key, store, kept;
  } cases[] = {
      {"added there, another added here", [&] { entries.Add(L"N", L"n.exe"); }, [&] { Put(kKey, {"X", "x.exe"}); },
       false, none, {"A=a.exe", "B=b.exe", "N=n.exe", "X=x.exe"}, {"W=w.exe"}, none},
      {"changed there, another removed here", [&] { entries.Remove(Id("B")); }, [&] { Put(kKey, {"A", "a2.exe"}); },
       false, none, {"A=a2.exe"}, {"W=w.exe"}, none},
      {"removed there, nothing changed here", [] {}, [&] { Drop(kKey, "A"); }, false, none, {"B=b.exe"},
       {"W=w.exe"}, none},
      {"removed there and here", [&] { entries.Remove(Id("A")); }, [&] { Drop(kKey, "A"); }, false, none,
       {"B=b.exe"}, {"W=w.exe"}, none},
      {"changed there and here, No",
       [&] {
         entries.Change(Id("A"), L"A", L"mein.exe");
         entries.Add(L"N", L"n.exe");
       },
       [&] { Put(kKey, {"A", "a2.exe"}); }, false, {"A"}, {"A=a2.exe", "B=b.exe", "N=n.exe"}, {"W=w.exe"},
       {"A: OtherProgram"}},
      {"changed there and here, Yes", [&] { entries.Change(Id("A"), L"A", L"mein.exe"); },
       [&] { Put(kKey, {"A", "a2.exe"}); }, true, {"A"}, {"A=mein.exe", "B=b.exe"}, {"W=w.exe"}, none},
      {"added there under the name added here, No", [&] { entries.Add(L"X", L"mein.exe"); },
       [&] { Put(kKey, {"x", "x.exe"}); }, false, {"X"}, {"A=a.exe", "B=b.exe", "x=x.exe"}, {"W=w.exe"},
       {"X: OtherProgram"}},
      {"removed there, changed here, No", [&] { entries.Change(Id("B"), L"B", L"mein.exe"); },
       [&] { Drop(kKey, "B"); }, false, {"B"}, {"A=a.exe"}, {"W=w.exe"}, {"B: OtherProgram"}},
      {"changed there, removed here, Yes", [&] { entries.Remove(Id("A")); },
       [&] {
         Put(kKey, {"A", "a2.exe"});
         Put(kKey, {"C", "c.exe"});
       },
       true, {"A"}, {"B=b.exe", "C=c.exe"}, {"W=w.exe"}, none},
      {"switched on where another program wrote its name, No", [&] { entries.Switch(Id("W", kStore), true); },
       [&] { Put(kKey, {"W", "fremd.exe"}); }, false, {"W"}, {"A=a.exe", "B=b.exe", "W=fremd.exe"}, {"W=w.exe"},
       {"W: OtherProgram"}},
      {"switched on where another program wrote its name, Yes", [&] { entries.Switch(Id("W", kStore), true); },
       [&] { Put(kKey, {"W", "fremd.exe"}); }, true, {"W"}, {"A=a.exe", "B=b.exe", "W=w.exe"}, kNoKey, none},
      {"switched off, changed there, No", [&] { entries.Switch(Id("A"), false); },
       [&] { Put(kKey, {"A", "a2.exe"}); }, false, {"A"}, {"A=a2.exe", "B=b.exe"}, {"W=w.exe"},
       {"A: OtherProgram"}},
      {"switched off, removed there, No", [&] { entries.Switch(Id("A"), false); }, [&] { Drop(kKey, "A"); }, false,
       {"A"}, {"B=b.exe"}, {"W=w.exe"}, {"A: OtherProgram"}},
      {"switched on where another program put a number, even when overwriting",
       [&] { entries.Switch(Id("W", kStore), true); },
       [&] { Put(kKey, {"W", std::string("\x01\0\0\0", 4), REG_DWORD}); }, true, none,
       {"A=a.exe", "B=b.exe", "W= (Typ 4)"}, {"W=w.exe"}, {"W: NotText"}},
      {"switched off where another program put bytes, even when overwriting",
       [&] { entries.Switch(Id("A"), false); }, [&] { Put(kStore, {"a", std::string("\x01", 1), REG_BINARY}); },
       true, none, {"A=a.exe", "B=b.exe"}, {"W=w.exe", "a= (Typ 3)"}, {"A: NotText"}},
      {"renamed onto an entry the user replaced", [&] { entries.Change(Id("A"), L"B", L"a.exe", true); }, [] {},
       false, none, {"B=a.exe"}, {"W=w.exe"}, none},
      {"renamed onto a replaced entry that another program changed, No",
       [&] { entries.Change(Id("A"), L"B", L"a.exe", true); }, [&] { Put(kKey, {"B", "b2.exe"}); }, false, {"B"},
       {"A=a.exe", "B=b2.exe"}, {"W=w.exe"}, {"B: OtherProgram"}},
      {"renamed in letter case only", [&] { entries.Change(Id("A"), L"a", L"a.exe"); }, [] {}, false, none,
       {"B=b.exe", "a=a.exe"}, {"W=w.exe"}, none},
      {"the waiting entry removed, and its sub-key with it", [&] { entries.Remove(Id("W", kStore)); }, [] {}, false,
       none, {"A=a.exe", "B=b.exe"}, kNoKey, none},
      {"the key deleted there, an entry switched off here, No", [&] { entries.Switch(Id("A"), false); },
       [&] { DropKey(); }, false, {"A"}, kNoKey, kNoKey, {"A: OtherProgram"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    DropKey();
    Put(kKey, {"A", "a.exe"});
    Put(kKey, {"B", "b.exe"});
    Put(kStore, {"W", "w.exe"});
    entries.Load();
    seen = {};
    c.user();
    c.other();
    const TSaveReport report = Save(c.overwrite);
    EXPECT_TRUE(report.failures.empty());
    EXPECT_EQ(asked, report.otherChanges ? 1 : 0);
    EXPECT_EQ(Conflicts(), c.conflicts);
    EXPECT_EQ(Content(kKey), c.key);
    EXPECT_EQ(Content(kStore), c.store);
    TTexts kept;
    const char* reasons[] = {"OtherProgram", "NotText", "NameStaysTaken"};
    for (const TKeptEntry& entry : report.kept)
      kept.push_back(AnsiForm(entry.name) + ": " + reasons[static_cast<int>(entry.reason)]);
    EXPECT_EQ(kept, c.kept);
  }
}

// A Run key that another program deleted is not made again just to hold an
// entry switched off; the failure says why.
TEST_F(RunKeyEntriesTest, EachFailureIsReturnedWithItsErrorCodeAndWhatWorkedIsNotDoneTwice) {
  Put(kKey, {"A", "a.exe"});
  entries.Load();
  entries.Switch(Id("A"), false);
  DropKey();
  TSaveReport report = Save(true);
  EXPECT_EQ(Conflicts(), TTexts{"A"});
  ASSERT_EQ(report.failures.size(), 1u);
  EXPECT_EQ(report.failures[0].name, L"A");
  EXPECT_EQ(report.failures[0].step, TSaveStep::Write);
  EXPECT_EQ(report.failures[0].error, ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(Content(kKey), kNoKey);

  Put(kKey, {"A", "a.exe"});
  TRunKeyEntries fresh(keyPath);
  fresh.Load();
  const std::wstring tooLong(17000, L'L');
  fresh.Add(tooLong, L"l.exe");
  fresh.Add(L"Gut", L"g.exe");
  report = fresh.Save(nullptr);
  ASSERT_EQ(report.failures.size(), 1u);
  EXPECT_EQ(report.failures[0].name, tooLong);
  EXPECT_EQ(report.failures[0].step, TSaveStep::Write);
  EXPECT_NE(report.failures[0].error, ERROR_SUCCESS);
  EXPECT_EQ(Content(kKey), (TTexts{"A=a.exe", "Gut=g.exe"}));
  report = fresh.Save([](const TOtherChanges&) {
    ADD_FAILURE() << "nothing changed elsewhere";
    return false;
  });
  EXPECT_EQ(report.failures.size(), 1u) << "only what failed is tried again";
  EXPECT_TRUE(report.saved.empty());
}

// Ticked means started, for Windows too: what its task manager switched off
// stays where it is, and switching it on lets Windows start it again, also
// when it waited in the sub-key.
TEST_F(RunKeyEntriesTest, SwitchingOnWhatWindowsSwitchedOffWritesWindowsSwitchOnSave) {
  if (!IsWin8OrLater()) GTEST_SKIP() << "Windows switches entries off from Windows 8 on";
  TRunKeysSandbox sandbox;
  TStartupApprovedValues approved;
  const std::string runKey = RunKeyPath("HKEY_CURRENT_USER", "Run");
  const std::string subKey = ResolveRunKeyPath(runKey).subKey;
  for (const char* name : {"An", "Aus", "Bleibt"}) StoreString(HKEY_CURRENT_USER, subKey, name, "p.exe");
  StoreValue(HKEY_CURRENT_USER, SwitchedOffKey(subKey), {"Wartet", "w.exe"});
  for (const char* name : {"Aus", "Bleibt", "Wartet"})
    approved.SwitchOff(HKEY_CURRENT_USER, "Run", name, LocalTime(2026, 12, 8, 10, 15));
  const std::string switchedOff = TStartupApprovedValues::Bytes(HKEY_CURRENT_USER, "Run", "Bleibt");
  TRunKeyEntries run(runKey);
  run.Load();
  auto states = [&] {
    std::vector<std::pair<std::wstring, TEntryState>> states;
    for (const TRunEntry& entry : run.Entries()) states.push_back({entry.entry.name, entry.entry.state});
    std::sort(states.begin(), states.end());
    return states;
  };
  auto id = [&](const wchar_t* name) {
    for (const TRunEntry& entry : run.Entries())
      if (entry.entry.name == name) return entry.id;
    return 0;
  };
  using S = TEntryState;
  EXPECT_EQ(states(), (std::vector<std::pair<std::wstring, S>>{
                          {L"An", S::On}, {L"Aus", S::OffByWindows}, {L"Bleibt", S::OffByWindows}, {L"Wartet", S::OffByVelmora}}));
  run.Switch(id(L"An"), false);
  run.Switch(id(L"Aus"), true);
  run.Switch(id(L"Wartet"), true);
  run.Switch(id(L"Bleibt"), true);
  run.Switch(id(L"Bleibt"), false);  // back where Windows keeps it
  EXPECT_EQ(TStartupApprovedValues::Bytes(HKEY_CURRENT_USER, "Run", "Aus"), switchedOff) << "written on save only";
  EXPECT_TRUE(run.Save(nullptr).failures.empty());
  EXPECT_EQ(states(), (std::vector<std::pair<std::wstring, S>>{
                          {L"An", S::OffByVelmora}, {L"Aus", S::On}, {L"Bleibt", S::OffByWindows}, {L"Wartet", S::On}}));
  EXPECT_EQ(StoredValues(HKEY_CURRENT_USER, SwitchedOffKey(subKey)), (std::vector<TStoredValue>{{"An", "p.exe"}}));
  for (const char* name : {"Aus", "Wartet"})
    EXPECT_EQ(TStartupApprovedValues::Bytes(HKEY_CURRENT_USER, "Run", name), TStartupApprovedValues::kSwitchedOn);
  EXPECT_EQ(TStartupApprovedValues::Bytes(HKEY_CURRENT_USER, "Run", "Bleibt"), switchedOff);
}

}  // namespace
