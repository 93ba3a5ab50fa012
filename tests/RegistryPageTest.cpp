// The Registry page: loading a key, switching and refreshing, the buttons
// that follow the list, and sorting.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/RegistryPageFixture.h"

namespace {

TEST_F(RegistryPageTest, LoadsTheTextValuesSortedByNameWithTheirTypesAndTheRegistryPicture) {
  Store(kHKLMRun, "b", "b.exe");
  Store(kHKLMRun, "Bz", "gross.exe");
  Store(kHKLMRun, "\xC4pfel", "%windir%\\apfel.exe", REG_EXPAND_SZ);
  Store(kHKLMRun, "a", "C:\\a.exe\t/tab");
  Store(kHKLMRun, "", "standard.exe");
  TRunKeyPath key = ResolveRunKeyPath(kHKLMRun);
  StoreValue(key.root, key.subKey, {"Zahl", std::string("\x01\0\0\0", 4), REG_DWORD});
  Open();
  EXPECT_EQ(Rows(), (std::vector<std::string>{"=standard.exe", "a=C:\\a.exe\t/tab", "\xC4pfel=%windir%\\apfel.exe",
                                              "b=b.exe", "Bz=gross.exe"}));
  for (int i = 0; i < View().Count(); ++i) EXPECT_EQ(View().Row(i).image, 1);
  EXPECT_TRUE(Page().RegExportBtn.Enabled());
  EXPECT_TRUE(Page().RegCheckBtn.Enabled());
  EXPECT_FALSE(Page().RegChanged);
  ExpectShown(dialogs, {});
}

TEST_F(RegistryPageTest, AnEmptyOrMissingKeyShowsAnEmptyListWithExportAndCheckDisabled) {
  Open();
  EXPECT_EQ(View().Count(), 0);
  EXPECT_FALSE(Page().RegExportBtn.Enabled());
  EXPECT_FALSE(Page().RegCheckBtn.Enabled());
  Page().LoadRegKey("HKEY_CURRENT_USER\\Software\\VelmoraTests\\Fehlt");
  EXPECT_EQ(Page().CurrentRegKey, "HKEY_CURRENT_USER\\Software\\VelmoraTests\\Fehlt");
  EXPECT_EQ(View().Count(), 0);
  EXPECT_FALSE(Page().RegExportBtn.Enabled());
  EXPECT_TRUE(form->AutoStartPageControl->Enabled());
  ExpectShown(dialogs, {});
}

// The hint shows the user the key's path; the page knows it from its own table.
TEST_F(RegistryPageTest, KeyButtonsAreOneExclusiveGroupThatLoadsTheKeyTheirHintsName) {
  Store(kHKCURunOnce, "Einmal", "once.exe");
  Open();
  const std::vector<std::pair<TSpeedButton*, std::string>> buttons = {
      {&Page().HKLMRunBtn, kHKLMRun},
      {&Page().HKCURunBtn, kHKCURun},
      {&Page().HKLMRunServicesBtn, RunKeyPath("HKEY_LOCAL_MACHINE", "RunServices")},
      {&Page().HKLMRunOnceBtn, RunKeyPath("HKEY_LOCAL_MACHINE", "RunOnce")},
      {&Page().HKCURunOnceBtn, kHKCURunOnce},
      {&Page().HKLMRunServicesOnceBtn, RunKeyPath("HKEY_LOCAL_MACHINE", "RunServicesOnce")}};
  for (auto& [button, keyPath] : buttons) {
    EXPECT_EQ(button->Hint(), keyPath);
    Press(*button);
    EXPECT_EQ(Page().CurrentRegKey, keyPath);
    for (auto& [other, unused] : buttons) EXPECT_EQ(other->Down(), other == button);
  }
  Press(Page().HKCURunOnceBtn);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"Einmal=once.exe"}));
  Page().HKCURunBtn.SetHint("HKEY_CURRENT_USER\\Anders");  // only for the user's eyes
  Press(Page().HKCURunBtn);
  EXPECT_EQ(Page().CurrentRegKey, kHKCURun);
  EXPECT_EQ(Page().HKLMRunBtn.Text(), "Run (HKLM)");
  EXPECT_EQ(Page().HKLMRunServicesOnceBtn.Text(), "RunServicesOnce (HKLM)");
  ExpectShown(dialogs, {});
}

TEST_F(RegistryPageTest, PressingTheButtonOfTheKeyShownDoesNothing) {
  Open();
  AddUnsavedRow("Neu", "neu.exe");
  Press(Page().HKLMRunBtn);
  ExpectShown(dialogs, {});
  EXPECT_TRUE(Page().RegChanged);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"Neu=neu.exe"}));
}

TEST_F(RegistryPageTest, SwitchingWithChangesAndYesSavesToTheOldKeyThenLoadsTheNew) {
  Store(kHKCURun, "Benutzer", "user.exe");
  Open();
  AddUnsavedRow("Neu", "neu.exe");
  dialogs.Answer({TModalResult::Yes});
  Press(Page().HKCURunBtn);
  ExpectShown(dialogs, {Question("Änderungen in die Windows-Registrierung Schlüssel " + kHKLMRun + " speichern?"),
                        Info("Speicherung abgeschlossen!")});
  EXPECT_EQ(Stored(kHKLMRun), (std::vector<TStoredValue>{{"Neu", "neu.exe", REG_SZ}}));
  EXPECT_EQ(Page().CurrentRegKey, kHKCURun);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"Benutzer=user.exe"}));
  EXPECT_FALSE(Page().RegChanged);
}

TEST_F(RegistryPageTest, SwitchingWithChangesAndNoDropsThem) {
  Open();
  AddUnsavedRow("Neu", "neu.exe");
  dialogs.Answer({TModalResult::No});
  Press(Page().HKCURunBtn);
  EXPECT_TRUE(Stored(kHKLMRun).empty());
  EXPECT_EQ(Page().CurrentRegKey, kHKCURun);
  EXPECT_FALSE(Page().RegChanged);
  Press(Page().HKLMRunBtn);
  EXPECT_EQ(View().Count(), 0);
  EXPECT_EQ(dialogs.Shown().size(), 1u);
}

TEST_F(RegistryPageTest, RefreshAsksBeforeDroppingChanges) {
  Store(kHKLMRun, "Da", "da.exe");
  Open();
  Press(Page().RegRefreshBtn);  // unchanged: reloads without a question
  ExpectShown(dialogs, {});

  AddUnsavedRow("Neu", "neu.exe");
  dialogs.Answer({TModalResult::No});
  Press(Page().RegRefreshBtn);
  ExpectShown(dialogs, {Question("Änderungen für " + kHKLMRun + " verwerfen?")});
  EXPECT_TRUE(Page().RegChanged);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"Da=da.exe", "Neu=neu.exe"}));

  dialogs.Answer({TModalResult::Yes});
  Press(Page().RegRefreshBtn);
  EXPECT_FALSE(Page().RegChanged);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"Da=da.exe"}));
}

TEST_F(RegistryPageTest, EditAndRemoveFollowTheSelectionAndGoOffWhenTheListLosesFocus) {
  Store(kHKLMRun, "Eins", "1.exe");
  Store(kHKLMRun, "Zwei", "2.exe");
  Open();
  form->Show();
  EXPECT_TRUE(Page().EditRegBtn.Enabled());  // enabled at start, before any selection
  EXPECT_TRUE(Page().RemoveRegBtn.Enabled());
  SetFocus(View().Handle());
  View().Select(1);
  EXPECT_TRUE(Page().EditRegBtn.Enabled());
  View().Select(-1);
  EXPECT_FALSE(Page().EditRegBtn.Enabled());
  EXPECT_FALSE(Page().RemoveRegBtn.Enabled());
  View().Select(1);
  EXPECT_TRUE(Page().EditRegBtn.Enabled());
  EXPECT_TRUE(Page().RemoveRegBtn.Enabled());
  SetFocus(Page().SaveRegBtn.Handle());
  EXPECT_FALSE(Page().EditRegBtn.Enabled());
  EXPECT_FALSE(Page().RemoveRegBtn.Enabled());
  EXPECT_EQ(View().SelectedIndex(), 1);
}

TEST_F(RegistryPageTest, NamesCannotBeEditedInPlace) {
  Store(kHKLMRun, "Eins", "1.exe");
  Open();
  form->Show();
  SetFocus(View().Handle());
  EXPECT_EQ(ListView_EditLabel(View().Handle(), 0), nullptr);
  EXPECT_EQ(View().Caption(0), "Eins");
}

TEST_F(RegistryPageTest, ColumnClicksShareOneToggleAndANewNameSortsByNameAgain) {
  Store(kHKLMRun, "A", "3.exe");
  Store(kHKLMRun, "B", "1.exe");
  Store(kHKLMRun, "C", "2.exe");
  Open();
  auto clickColumn = [&](int column) {
    NMLISTVIEW click = {};
    click.hdr = {View().Handle(), static_cast<UINT_PTR>(View().Id()), LVN_COLUMNCLICK};
    click.iSubItem = column;
    SendMessageA(Page().Handle(), WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
  };
  clickColumn(1);  // the first click sorts ascending
  EXPECT_EQ(Rows(), (std::vector<std::string>{"B=1.exe", "C=2.exe", "A=3.exe"}));
  AddUnsavedRow("0", "9.exe");  // a new name: back to name order
  EXPECT_EQ(Rows(), (std::vector<std::string>{"0=9.exe", "A=3.exe", "B=1.exe", "C=2.exe"}));
  clickColumn(0);  // the toggle was left at descending
  EXPECT_EQ(Rows(), (std::vector<std::string>{"C=2.exe", "B=1.exe", "A=3.exe", "0=9.exe"}));
  clickColumn(1);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"B=1.exe", "C=2.exe", "A=3.exe", "0=9.exe"}));
  clickColumn(1);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"0=9.exe", "A=3.exe", "C=2.exe", "B=1.exe"}));
}

// Switching, editing and saving leave the list where the user scrolled it;
// another key starts at its top.
TEST_F(RegistryPageTest, EditsLeaveTheListWhereItWasScrolledAndAnotherKeyStartsAtTheTop) {
  for (int i = 0; i < 60; ++i) Store(kHKLMRun, "Eintrag " + std::to_string(100 + i), "e.exe");
  Store(kHKCURun, "Nutzer", "n.exe");
  Open();
  form->Show();
  ListView_EnsureVisible(View().Handle(), 59, FALSE);
  const int top = ListView_GetTopIndex(View().Handle());
  ASSERT_GT(top, 0);
  Tick("Eintrag 159", false);
  EXPECT_EQ(ListView_GetTopIndex(View().Handle()), top);
  View().Select(58);
  FillEntryDialog("Eintrag 158", "anders.exe");
  Press(Page().EditRegBtn);
  EXPECT_EQ(ListView_GetTopIndex(View().Handle()), top);
  EXPECT_EQ(View().SubItem(58), "anders.exe");
  Press(Page().SaveRegBtn);
  EXPECT_EQ(ListView_GetTopIndex(View().Handle()), top);
  EXPECT_EQ(View().Caption(View().SelectedIndex()), "Eintrag 158");
  Press(Page().HKCURunBtn);
  EXPECT_EQ(ListView_GetTopIndex(View().Handle()), 0);
  EXPECT_EQ(Rows(), std::vector<std::string>{"Nutzer=n.exe"});
}

// The list holds no rows: what grows with a key is reading and sorting it,
// so four times the values are listed in about four times the time, never
// in sixteen (as when each row searched the key for its entry). The two
// keys are loaded by turns and the fastest load of each counts: another
// program busy on the machine slows some loads, not all of one key's.
TEST_F(RegistryPageTest, FourTimesTheValuesAreListedInAboutFourTimesTheTime) {
  auto Name = [](int number) { return "Eintrag " + std::to_string(number); };
  auto fill = [&](const std::string& keyPath, int count) {
    const TRunKeyPath key = ResolveRunKeyPath(keyPath);
    for (int i = 0; i < count; ++i) StoreValue(key.root, key.subKey, {Name(10000 + (i * 7919) % count), "w.exe"}, key.view);
  };
  auto listing = [&](const std::string& keyPath, int count, DWORD& fastest) {
    const DWORD start = GetTickCount();
    Page().LoadRegKey(keyPath);
    fastest = std::min(fastest, GetTickCount() - start);
    EXPECT_EQ(View().Count(), count);
    EXPECT_EQ(View().Caption(count - 1), Name(10000 + count - 1)) << "sorted by name";
  };
  fill(kHKLMRun, 2000);
  fill(kHKCURun, 8000);
  Open();
  DWORD once = MAXDWORD, fourTimes = MAXDWORD;
  for (int turn = 0; turn < 3; ++turn) {
    listing(kHKLMRun, 2000, once);
    listing(kHKCURun, 8000, fourTimes);
  }
  EXPECT_LT(fourTimes, 7 * once + 60) << once << " ms for 2,000 values";
}

TEST_F(RegistryPageTest, ASortKeepsTheSelectionOnItsRow) {
  Store(kHKLMRun, "A", "2.exe");
  Store(kHKLMRun, "B", "1.exe");
  Open();
  View().Select(0);
  Page().RegViewColumnClick(1);
  EXPECT_EQ(View().SelectedIndex(), 1);
  EXPECT_EQ(View().Caption(View().SelectedIndex()), "A");
}

}  // namespace
