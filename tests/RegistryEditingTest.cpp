// Adding, changing and removing Run entries through the entry dialog.
#include "tests/RegistryPageFixture.h"

namespace {

using RegistryEditingTest = RegistryPageTest;

TEST_F(RegistryEditingTest, AddShowsAnEmptyDialogAndAddsTheTrimmedEntryInNameOrder) {
  Store(kHKLMRun, "M", "m.exe");
  Open();
  TDialogSeen seen;
  FillEntryDialog("  Neu\t", " C:\\neu.exe /x \r\n", &seen);
  Press(Page().AddRegBtn);
  EXPECT_EQ(seen.caption, "Eintrag hinzufügen");
  EXPECT_EQ(seen.name, "");
  EXPECT_EQ(seen.value, "");
  EXPECT_FALSE(seen.okEnabled);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"M=m.exe", "Neu=C:\\neu.exe /x"}));
  EXPECT_EQ(View().Row(1).image, 1);
  EXPECT_TRUE(Page().RegChanged);
  EXPECT_EQ(Stored(kHKLMRun).size(), 1u);  // nothing reaches the registry before a save
  ExpectShown(dialogs, {});
}

TEST_F(RegistryEditingTest, AddingToAnEmptyListEnablesExportAndCheckAndCancelAddsNothing) {
  Open();
  CancelEntryDialog();
  Press(Page().AddRegBtn);
  EXPECT_EQ(View().Count(), 0);
  EXPECT_FALSE(Page().RegChanged);
  EXPECT_FALSE(Page().RegExportBtn.Enabled());
  FillEntryDialog("A", "a.exe");
  Press(Page().AddRegBtn);
  EXPECT_TRUE(Page().RegExportBtn.Enabled());
  EXPECT_TRUE(Page().RegCheckBtn.Enabled());
}

// A name of blanks is the default value; two entries cannot share a name in
// one key: taking the name of another asks, and "&Nein" keeps both apart.
TEST_F(RegistryEditingTest, ANameAnotherEntryHasAsksBeforeReplacingItAndNoKeepsBoth) {
  const struct {
    const char* what;
    const char* edited;  // the row changed, or none for an add
    const char* name;
    TModalResult answer;
    const char* asked;
    std::vector<std::string> rows;
  } cases[] = {
      {"add a name taken, No", nullptr, "Doppelt", TModalResult::No, "Doppelt",
       {"=standard.exe", "A=a.exe", "Doppelt=1.exe"}},
      {"add a name taken, Yes", nullptr, "doppelt", TModalResult::Yes, "doppelt",
       {"=standard.exe", "A=a.exe", "doppelt=neu.exe"}},
      {"add blanks, the default value", nullptr, " ", TModalResult::No, "(Standard)",
       {"=standard.exe", "A=a.exe", "Doppelt=1.exe"}},
      {"change to a name taken, No", "A", "Doppelt", TModalResult::No, "Doppelt",
       {"=standard.exe", "A=a.exe", "Doppelt=1.exe"}},
      {"change to a name taken, Yes", "A", "Doppelt", TModalResult::Yes, "Doppelt",
       {"=standard.exe", "Doppelt=neu.exe"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Store(kHKLMRun, "Doppelt", "1.exe");
    Store(kHKLMRun, "A", "a.exe");
    Store(kHKLMRun, "", "standard.exe");
    Open();
    dialogs.ClearShown();
    FillEntryDialog(c.name, "neu.exe");
    dialogs.Answer({c.answer});
    if (c.edited) {
      Select(c.edited);
      Press(Page().EditRegBtn);
    } else {
      Press(Page().AddRegBtn);
    }
    ExpectShown(dialogs, {Question("Es gibt bereits einen Eintrag \"" + std::string(c.asked) +
                                   "\". Soll er ersetzt werden?")});
    EXPECT_EQ(Rows(), c.rows);
    EXPECT_EQ(Page().RegChanged, c.answer == TModalResult::Yes);
    form.reset();
  }
}

TEST_F(RegistryEditingTest, OkNeedsBothFieldsOnEveryChange) {
  Open();
  TRegAddDlg dialog(form->Handle());
  EXPECT_FALSE(dialog.OKBtn.Enabled());
  dialog.StringEdit.SetText("Name");
  EXPECT_FALSE(dialog.OKBtn.Enabled());
  dialog.ValueEdit.SetText("v");
  EXPECT_TRUE(dialog.OKBtn.Enabled());
  dialog.StringEdit.SetText("");
  EXPECT_FALSE(dialog.OKBtn.Enabled());
  EXPECT_EQ(dialog.Label1.Text(), "Zeichenkette: ");
  EXPECT_EQ(dialog.Label2.Text(), "Wert:");
  EXPECT_EQ(dialog.SeekBtn.Text(), "Durchsuchen");
  EXPECT_EQ(dialog.CancelBtn.Text(), "Abbrechen");
}

TEST_F(RegistryEditingTest, EditShowsTheRowChangesItAndSortsAChangedName) {
  Store(kHKLMRun, "A", "a.exe");
  Store(kHKLMRun, "B", "b.exe");
  Open();
  Select("A");
  TDialogSeen seen;
  FillEntryDialog(" C ", "c.exe -x", &seen);
  Press(Page().EditRegBtn);
  EXPECT_EQ(seen.caption, "Eintrag ändern");
  EXPECT_EQ(seen.name, "A");
  EXPECT_EQ(seen.value, "a.exe");
  EXPECT_TRUE(seen.okEnabled);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"B=b.exe", "C=c.exe -x"}));
  EXPECT_TRUE(Page().RegChanged);
}

TEST_F(RegistryEditingTest, EditWithOkAndNoChangeStillMarksThePage) {
  Store(kHKLMRun, "Pfad", "%windir%\\p.exe", REG_EXPAND_SZ);
  Open();
  Select("Pfad");
  FillEntryDialog("Pfad", "%windir%\\p.exe");
  Press(Page().EditRegBtn);
  EXPECT_TRUE(Page().RegChanged);
  EXPECT_EQ(View().SelectedIndex(), 0);
}

TEST_F(RegistryEditingTest, EditOfARowWithAnEmptyValueOpensWithOkDisabled) {
  Store(kHKLMRun, "Leer", "");
  Open();
  Select("Leer");
  TDialogSeen seen;
  FillEntryDialog("Leer", "jetzt.exe", &seen);
  RegViewDoubleClick();
  EXPECT_FALSE(seen.okEnabled);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"Leer=jetzt.exe"}));
}

TEST_F(RegistryEditingTest, EditAndRemoveWithoutASelectionDoNothing) {
  Store(kHKLMRun, "A", "a.exe");
  Open();
  View().Select(-1);
  Press(Page().EditRegBtn);
  Press(Page().RemoveRegBtn);
  RegViewDoubleClick();
  ExpectShown(dialogs, {});
  EXPECT_FALSE(Page().RegChanged);
  EXPECT_EQ(View().Count(), 1);
}

TEST_F(RegistryEditingTest, BrowsingFillsTheValueAndANameOnlyWhenThereIsNone) {
  Open();
  TRegAddDlg dialog(form->Handle());
  dialogs.ChooseFile("C:\\Tools\\my.tool.exe");
  Press(dialog.SeekBtn);
  EXPECT_EQ(dialog.ValueEdit.Text(), "C:\\Tools\\my.tool.exe");
  EXPECT_EQ(dialog.StringEdit.Text(), "my.tool");
  EXPECT_TRUE(dialog.OKBtn.Enabled());

  dialogs.ChooseFile("C:\\Program Files\\Neu\\neu.exe");
  Press(dialog.SeekBtn);
  EXPECT_EQ(dialog.ValueEdit.Text(), "C:\\Program Files\\Neu\\neu.exe");  // unquoted
  EXPECT_EQ(dialog.StringEdit.Text(), "my.tool");

  dialogs.ChooseFile(std::nullopt);
  Press(dialog.SeekBtn);
  EXPECT_EQ(dialog.ValueEdit.Text(), "C:\\Program Files\\Neu\\neu.exe");
  ASSERT_EQ(dialogs.FileDialogs().size(), 3u);
  EXPECT_EQ(dialogs.FileDialogs()[0].request.filter, "Ausführbare Dateien (*.exe)|*.exe|Alle Dateien (*.*)|*.*");
  EXPECT_EQ(dialogs.FileDialogs()[0].request.options,
            static_cast<unsigned long>(OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST));
}

TEST_F(RegistryEditingTest, RemoveAsksAndNoKeepsTheEntry) {
  Store(kHKLMRun, "Weg", "weg.exe");
  Store(kHKLMRun, "Bleibt", "b.exe");
  Open();
  Select("Weg");
  dialogs.Answer({TModalResult::No});
  Press(Page().RemoveRegBtn);
  EXPECT_EQ(View().Count(), 2);
  EXPECT_FALSE(Page().RegChanged);
  dialogs.Answer({TModalResult::Yes});
  Press(Page().RemoveRegBtn);
  ExpectShown(dialogs, {Question("Weg wirklich entfernen?"), Question("Weg wirklich entfernen?")});
  EXPECT_EQ(Rows(), (std::vector<std::string>{"Bleibt=b.exe"}));
  EXPECT_TRUE(Page().RegChanged);
}

TEST_F(RegistryEditingTest, RemovingTheLastEntryDisablesExportAndCheck) {
  Store(kHKLMRun, "Einzig", "e.exe");
  Open();
  Select("Einzig");
  dialogs.Answer({TModalResult::Yes});
  Press(Page().RemoveRegBtn);
  EXPECT_FALSE(Page().RegExportBtn.Enabled());
  EXPECT_FALSE(Page().RegCheckBtn.Enabled());
}

TEST_F(RegistryEditingTest, SystemEntriesAskASecondTimeAndThatAnswerDecides) {
  const std::string trayWarning =
      "Diese Anwendung sollten Sie nicht entfernen, sie wird benötigt um den Bereich neben der Uhr anzuzeigen. "
      "Anwendungen legen in diesem Bereich oft Anwendungssymbole ab, damit sie einfacher geöffnet werden können."
      "\r\rWirklich entfernen?";
  const std::string defragWarning =
      "Diese Anwendung sollten Sie nicht entfernen. Defrag benötigt diese Datei, um festzustellen welche "
      "Anwendungen Sie oft starten.\r\rWirklich entfernen?";
  Store(kHKLMRun, "sYstemTray", "systray.exe");
  Store(kHKLMRun, "taskmon.exe", "taskmon.exe");
  Store(kHKLMRun, "TaskMonitor", "taskmon.exe");
  Open();
  Select("sYstemTray");
  dialogs.Answer({TModalResult::Yes, TModalResult::No});
  Press(Page().RemoveRegBtn);
  EXPECT_EQ(View().Count(), 3);
  dialogs.Answer({TModalResult::Yes, TModalResult::Yes});
  Press(Page().RemoveRegBtn);
  EXPECT_EQ(View().Count(), 2);
  for (const char* name : {"taskmon.exe", "TaskMonitor"}) {
    Select(name);
    dialogs.Answer({TModalResult::Yes, TModalResult::Yes});
    Press(Page().RemoveRegBtn);
  }
  EXPECT_EQ(View().Count(), 0);
  ExpectShown(dialogs, {Question("sYstemTray wirklich entfernen?"), Question(trayWarning),
                        Question("sYstemTray wirklich entfernen?"), Question(trayWarning),
                        Question("taskmon.exe wirklich entfernen?"), Question(defragWarning),
                        Question("TaskMonitor wirklich entfernen?"), Question(defragWarning)});
}

TEST_F(RegistryEditingTest, MorvaneGetsANoteAndIsRemoved) {
  Store(kHKLMRun, "morVANE", "m.exe");
  Open();
  Select("morVANE");
  dialogs.Answer({TModalResult::Yes});
  Press(Page().RemoveRegBtn);
  ExpectShown(dialogs, {Question("morVANE wirklich entfernen?"),
                        Info("Sie möchten Morvane entfernen? Tun Sie mir das nicht an.:-)")});
  EXPECT_EQ(View().Count(), 0);
}

}  // namespace
