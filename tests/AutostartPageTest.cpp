// The Autostart page over start-up folders of the test's own: what it draws
// of the folder's model, the questions it asks and the texts it shows, with
// Wine's real shortcuts. What the edits do to the folder is the model's own
// (StartupFolderTest).
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <objbase.h>

#include <memory>
#include <string>
#include <vector>

#include "app/MainForm.h"
#include "support/SwitchedOffEntries.h"
#include "support/Tools.h"
#include "support/WideText.h"
#include "support/WindowsVersion.h"
#include "tests/FakeInteraction.h"
#include "tests/Press.h"
#include "tests/RegistrySandbox.h"
#include "tests/ScratchFolder.h"
#include "toolkit/Application.h"

namespace {

const char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const char kUserShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
const char kNotCreated[] = "Konnte Verknüpfungen nicht erstellen!";
const char kCheckNote[] = "Windows gibt eine Fehlermeldung aus, falls eine Verknüpfung nicht korrekt ist!";
const char kCannotDelete[] =
    "Konnte Eintrag nicht löschen, wahrscheinlich wurden spezielle Attribute gesetzt, die das Löschen verbieten!";

class AutostartPageTest : public testing::Test {
 protected:
  AutostartPageTest() {
    CoInitialize(nullptr);
    WriteFileBytes(program, "MZ");
    // Wine's shell copies its user shell folders over the start-up values
    // whenever it works out a folder (making a shortcut does): both point to
    // the test's folders, so the copy changes nothing.
    SetUserStartup(user.Path());
    for (TKeptValue* value : {&commonStartup, &commonShellStartup}) value->Set(common.Path());
  }
  ~AutostartPageTest() override {
    form.reset();
    CoUninitialize();
  }

  TRunKeysSandbox sandbox;
  TFakeInteraction dialogs;
  TScratchFolder user{"startup-user"}, common{"startup-common"}, programs{"startup-programs"};
  TKeptValue userStartup{HKEY_CURRENT_USER, kShellFolders, "Startup"};
  TKeptValue commonStartup{HKEY_LOCAL_MACHINE, kShellFolders, "Common Startup"};
  TKeptValue userShellStartup{HKEY_CURRENT_USER, kUserShellFolders, "Startup"};
  TKeptValue commonShellStartup{HKEY_LOCAL_MACHINE, kUserShellFolders, "Common Startup"};
  std::string program = programs.File("Werkzeug.exe");
  std::unique_ptr<TMainForm> form;

  void SetUserStartup(const std::string& folder) {
    userStartup.Set(folder);
    userShellStartup.Set(folder);
  }
  void Open() { form = std::make_unique<TMainForm>(); }
  TAutostartPage& Page() { return *form->Startup; }
  TListView& View() { return Page().AutoStartFolderLV; }

  void Link(const std::string& linkFile, const std::string& target) {
    TShellLink().CreateLink(linkFile, target);
    ASSERT_TRUE(FileExists(linkFile));
  }
  std::string TargetOf(const std::string& linkFile) {
    TShellLink link;
    return link.ReadLink(linkFile) ? link.Target : "(no shortcut)";
  }
  std::vector<std::string> Rows() {
    std::vector<std::string> rows;
    for (int i = 0; i < View().Count(); ++i) rows.push_back(View().Caption(i));
    return rows;
  }
  // The row whose caption shows the name, as a person sees it; -1 for none.
  int RowShowing(const std::wstring& name) {
    for (int i = 0; i < View().Count(); ++i) {
      wchar_t text[MAX_PATH] = {};
      LVITEMW item = {};
      item.pszText = text;
      item.cchTextMax = MAX_PATH;
      SendMessageW(View().Handle(), LVM_GETITEMTEXTW, i, reinterpret_cast<LPARAM>(&item));
      if (name == text) return i;
    }
    return -1;
  }
  int RowOf(const std::string& caption) {
    for (int i = 0; i < View().Count(); ++i)
      if (View().Caption(i) == caption) return i;
    return -1;
  }
  void SelectRow(const std::string& caption) { View().Select(RowOf(caption)); }
  // The rows as shown: caption and box.
  std::vector<std::string> Boxes() {
    std::vector<std::string> rows;
    for (int i = 0; i < View().Count(); ++i) rows.push_back(View().Caption(i) + (View().Checked(i) ? " [x]" : " [ ]"));
    return rows;
  }
  // The user's click on a row's check box, through the list view's own
  // mouse handling; the page acts once the notification has returned.
  void ClickBox(int row) {
    RECT icon = {};
    icon.left = LVIR_ICON;
    SendMessageA(View().Handle(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&icon));
    LVHITTESTINFO hit = {};
    hit.pt = {icon.left - 8, (icon.top + icon.bottom) / 2};
    ASSERT_EQ(SendMessageA(View().Handle(), LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), row);
    ASSERT_TRUE(hit.flags & LVHT_ONITEMSTATEICON);
    const LPARAM at = MAKELPARAM(hit.pt.x, hit.pt.y);
    PostMessageA(View().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageA(View().Handle(), WM_LBUTTONUP, 0, at);
    Application().ProcessMessages();
  }
  std::string Waiting(const std::string& name) { return SwitchedOffFolder(user.Path()) + name; }
  // What a person does to add: chooses the file, then types the name.
  void Add(const std::string& chosen, std::optional<std::string> typed) {
    dialogs.ChooseFile(chosen);
    dialogs.Type(std::move(typed));
    Press(Page().AutostartAddBtn);
  }
};

TEST_F(AutostartPageTest, ListsEveryShortcutOfTheUsersFolderSortedAndShowsTheFolder) {
  Link(user.File("Zebra.lnk"), program);
  Link(user.File("Versteckt.lnk"), program);
  Link(user.File("System.lnk"), program);
  SetFileAttributesA(user.File("Versteckt.lnk").c_str(), FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesA(user.File("System.lnk").c_str(), FILE_ATTRIBUTE_SYSTEM);
  WriteFileBytes(user.File("Notiz.txt"), "keine Verknüpfung");
  SetUserStartup(user.Path() + "\\");
  Open();
  EXPECT_EQ(Rows(), (std::vector<std::string>{"System.lnk", "Versteckt.lnk", "Zebra.lnk"}));
  EXPECT_EQ(View().Row(0).image, 2);
  EXPECT_EQ(Page().AutostartFolderLabel.Text(), user.Path());
  EXPECT_TRUE(Page().AutostartCurrentUserBtn.Down());
  EXPECT_TRUE(Page().AutostartCheckBtn.Enabled());
  EXPECT_FALSE(Page().AutostartDeleteBtn.Enabled());
}

TEST_F(AutostartPageTest, MissingOrEmptyFolderGivesAnEmptyListWithoutCheckAndTheLabelStillShowsThePath) {
  SetUserStartup(user.File("fehlt"));
  Open();
  EXPECT_EQ(View().Count(), 0);
  EXPECT_FALSE(Page().AutostartCheckBtn.Enabled());
  EXPECT_EQ(Page().AutostartFolderLabel.Text(), user.File("fehlt"));
  SetUserStartup(user.Path());
  Press(Page().AutostartRefreshBtn);
  EXPECT_EQ(View().Count(), 0);
  EXPECT_EQ(Page().AutostartFolderLabel.Text(), user.Path());
  ExpectShown(dialogs, {});
}

TEST_F(AutostartPageTest, AllUsersOnlyOnTheNtFamilyAndSwitchingRereadsAtOnce) {
  Link(user.File("Eigenes.lnk"), program);
  Link(common.File("Gemeinsam.lnk"), program);
  Open();
  EXPECT_EQ(Page().AutoStartAllUsersBtn.Enabled(), IsWinNT);
  EXPECT_EQ(Page().AutoStartAllUsersBtn.Hint(), "Autostart-Einträge des Ordner des Ordners \"All Users\"");
  EXPECT_EQ(Page().AutostartCurrentUserBtn.Hint(), "Autostart-Eintärge des aktuell angemeldeten Nutzers");
  if (!IsWinNT) {
    EXPECT_EQ(Rows(), std::vector<std::string>{"Eigenes.lnk"});
    return;
  }
  Press(Page().AutoStartAllUsersBtn);
  EXPECT_EQ(Rows(), std::vector<std::string>{"Gemeinsam.lnk"});
  EXPECT_EQ(Page().AutostartFolderLabel.Text(), common.Path());
  EXPECT_FALSE(Page().AutostartCurrentUserBtn.Down());
  Press(Page().AutostartCurrentUserBtn);
  EXPECT_EQ(Rows(), std::vector<std::string>{"Eigenes.lnk"});
  ExpectShown(dialogs, {});
}

TEST_F(AutostartPageTest, AddingAsksForTheNameProposedByTheProgramAndWritesTheShortcut) {
  Open();
  Add(program, "Mein Werkzeug");
  ASSERT_EQ(dialogs.FileDialogs().size(), 1u);
  const TFileDialogShown& shown = dialogs.FileDialogs()[0];
  EXPECT_EQ(shown.request.filter, "Anwendungen(*.exe)|*.exe|Alle Dateien(*.*)|*.*");
  EXPECT_EQ(shown.request.options & (OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_NODEREFERENCELINKS),
            static_cast<unsigned long>(OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_NODEREFERENCELINKS));
  EXPECT_FALSE(shown.save);
  ASSERT_EQ(dialogs.inputQueries.size(), 1u);
  EXPECT_EQ(dialogs.inputQueries[0].caption, "Eintrag zum Autostart-Ordner hinzufügen");
  EXPECT_EQ(dialogs.inputQueries[0].prompt, "Name der Verknüpfung (erforderlich!)");
  EXPECT_EQ(dialogs.inputQueries[0].proposed, "Werkzeug");
  EXPECT_EQ(TargetOf(user.File("Mein Werkzeug.lnk")), program);
  EXPECT_EQ(Rows(), std::vector<std::string>{"Mein Werkzeug.lnk"});
  EXPECT_TRUE(Page().AutostartCheckBtn.Enabled());
  ExpectShown(dialogs, {});
}

TEST_F(AutostartPageTest, AddingWithAnExistingNameAsksAndNoKeepsTheShortcutThere) {
  const std::string other = programs.File("Alt.exe");
  WriteFileBytes(other, "MZ");
  Link(user.File("Werkzeug.lnk"), other);
  Open();
  dialogs.Answer({TModalResult::No, TModalResult::Yes});
  Add(program, "Werkzeug");
  EXPECT_EQ(TargetOf(user.File("Werkzeug.lnk")), other);
  Add(program, "Werkzeug");
  EXPECT_EQ(TargetOf(user.File("Werkzeug.lnk")), program);
  EXPECT_EQ(Rows(), std::vector<std::string>{"Werkzeug.lnk"});
  const TShownMessage question = Question("Es gibt bereits einen Eintrag \"Werkzeug.lnk\". Soll er ersetzt werden?");
  ExpectShown(dialogs, {question, question});
}

TEST_F(AutostartPageTest, NothingIsAddedOnCancelAnEmptyNameOrAProgramThatIsGone) {
  Open();
  Add(program, "");
  Add(program, std::nullopt);
  dialogs.ChooseFile(std::nullopt);
  Press(Page().AutostartAddBtn);
  dialogs.ChooseFile(programs.File("weg.exe"));
  Press(Page().AutostartAddBtn);
  EXPECT_EQ(dialogs.inputQueries.size(), 2u);  // neither after cancel nor for a missing file
  EXPECT_EQ(View().Count(), 0);
  EXPECT_EQ(ReadFileBytes(user.File("Werkzeug.lnk")), "");
  ExpectShown(dialogs, {});
}

TEST_F(AutostartPageTest, ANameThatCannotNameAShortcutIsRefusedWithItsReason) {
  Open();
  for (const char* name : {"NUL", "..\\Neben", "Was?"}) Add(program, name);
  ExpectShown(dialogs,
              {Error("Der Name \"NUL\" ist unter Windows einem Gerät vorbehalten (CON, PRN, AUX, NUL, COM1 bis COM9, "
                     "LPT1 bis LPT9) und kann keine Verknüpfung benennen. Es wurde nichts angelegt."),
               Error("Der Name \"..\\Neben\" enthält \\, / oder \"..\" und würde die Verknüpfung außerhalb des "
                     "Autostart-Ordners anlegen. Es wurde nichts angelegt."),
               Error("Der Name \"Was?\" enthält ein Zeichen, das in keinem Dateinamen stehen kann "
                     "(? * : \" < > |). Es wurde nichts angelegt.")});
  EXPECT_EQ(View().Count(), 0);
}

// The shortcut goes into the folder shown, which need not exist.
TEST_F(AutostartPageTest, ShortcutThatCannotBeWrittenIsReportedNotSilentlyLost) {
  SetUserStartup(user.File("fehlt"));
  Open();
  Add(program, "Werkzeug");
  ExpectShown(dialogs, {Error(kNotCreated)});
  EXPECT_FALSE(FileExists(user.File("fehlt")));
  EXPECT_EQ(View().Count(), 0);
}

TEST_F(AutostartPageTest, DeletingAsksFirstAndTheButtonFollowsTheSelection) {
  Link(user.File("Eins.lnk"), program);
  Link(user.File("Zwei.lnk"), program);
  Open();
  SelectRow("Zwei.lnk");
  EXPECT_TRUE(Page().AutostartDeleteBtn.Enabled());
  dialogs.Answer({TModalResult::No, TModalResult::Yes});
  Press(Page().AutostartDeleteBtn);
  EXPECT_TRUE(FileExists(user.File("Zwei.lnk")));
  Press(Page().AutostartDeleteBtn);
  EXPECT_FALSE(FileExists(user.File("Zwei.lnk")));
  EXPECT_EQ(Rows(), std::vector<std::string>{"Eins.lnk"});
  ExpectShown(dialogs,
              {Question("Verknüpfung Zwei.lnk wirklich entfernen?"), Question("Verknüpfung Zwei.lnk wirklich entfernen?")});
  SelectRow("Eins.lnk");
  Page().AutoStartFolderLVExit();
  EXPECT_FALSE(Page().AutostartDeleteBtn.Enabled());
}

TEST_F(AutostartPageTest, AShortcutThatCannotBeDeletedIsReportedAndStaysListed) {
  Link(user.File("Schreibgeschützt.lnk"), program);
  SetFileAttributesA(user.File("Schreibgeschützt.lnk").c_str(), FILE_ATTRIBUTE_READONLY);
  Open();
  SelectRow("Schreibgeschützt.lnk");
  dialogs.Answer({TModalResult::Yes});
  Press(Page().AutostartDeleteBtn);
  ExpectShown(dialogs, {Question("Verknüpfung Schreibgeschützt.lnk wirklich entfernen?"), Error(kCannotDelete)});
  EXPECT_TRUE(FileExists(user.File("Schreibgeschützt.lnk")));
  EXPECT_EQ(Rows(), std::vector<std::string>{"Schreibgeschützt.lnk"});
}

TEST_F(AutostartPageTest, AShortcutAnotherProgramRemovedMeanwhileIsToldAndTheListShowsTheFolder) {
  Link(user.File("Weg.lnk"), program);
  Link(user.File("Bleibt.lnk"), program);
  Open();
  DeleteFileA(user.File("Weg.lnk").c_str());
  SelectRow("Weg.lnk");
  dialogs.Answer({TModalResult::Yes});
  Press(Page().AutostartDeleteBtn);
  ClickBox(RowOf("Bleibt.lnk"));
  DeleteFileA(Waiting("Bleibt.lnk").c_str());
  ClickBox(RowOf("Bleibt.lnk"));
  const std::string gone = "\" gibt es nicht mehr, ein anderes Programm hat sie wohl entfernt. Die Liste zeigt den "
                           "Ordner, wie er jetzt ist.";
  ExpectShown(dialogs, {Question("Verknüpfung Weg.lnk wirklich entfernen?"), Error("Die Verknüpfung \"Weg.lnk" + gone),
                        Error("Die Verknüpfung \"Bleibt.lnk" + gone)});
  EXPECT_EQ(View().Count(), 0);
}

// A real click on a box: the shortcut moves at once, and where the name is
// taken the question comes once the list view's notification has returned;
// "&Nein" leaves both where they are.
TEST_F(AutostartPageTest, ClickingABoxSwitchesAtOnceAndAsksWhereTheNameIsTaken) {
  Link(user.File("Editor.lnk"), program);
  const std::string bytes = ReadFileBytes(user.File("Editor.lnk"));
  Open();
  ClickBox(0);
  EXPECT_FALSE(FileExists(user.File("Editor.lnk")));
  EXPECT_EQ(ReadFileBytes(Waiting("Editor.lnk")), bytes);
  EXPECT_EQ(Boxes(), std::vector<std::string>{"Editor.lnk [ ]"});
  ExpectShown(dialogs, {});

  Link(user.File("Editor.lnk"), program);  // another program's, meanwhile
  Press(Page().AutostartRefreshBtn);
  ASSERT_EQ(Boxes(), (std::vector<std::string>{"Editor.lnk [x]", "Editor.lnk [ ]"}));
  dialogs.Answer({TModalResult::No});
  ClickBox(1);
  ExpectShown(dialogs, {Question("Es gibt bereits einen Eintrag \"Editor.lnk\". Soll er ersetzt werden?")});
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"Editor.lnk [x]", "Editor.lnk [ ]"}));
  EXPECT_EQ(ReadFileBytes(Waiting("Editor.lnk")), bytes);
}

// The program is gone: the waiting shortcut is still listed, the check
// leaves it alone (it starts nothing), and it can be deleted.
TEST_F(AutostartPageTest, AWaitingShortcutWhoseProgramIsGoneIsNotCheckedAndCanBeDeleted) {
  Link(user.File("Aktiv.lnk"), program);
  CreateDirectoryA(Waiting("").c_str(), nullptr);
  Link(Waiting("Alt.lnk"), programs.File("Alt.exe"));
  Open();
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"Aktiv.lnk [x]", "Alt.lnk [ ]"}));
  Press(Page().AutostartCheckBtn);
  dialogs.Answer({TModalResult::Yes});
  SelectRow("Alt.lnk");
  Press(Page().AutostartDeleteBtn);
  ExpectShown(dialogs, {Info(kCheckNote), Question("Verknüpfung Alt.lnk wirklich entfernen?")});
  EXPECT_FALSE(FileExists(Waiting("Alt.lnk")));
  EXPECT_EQ(Boxes(), std::vector<std::string>{"Aktiv.lnk [x]"});
}

TEST_F(AutostartPageTest, CheckNotesFirstThenReportsEachShortcutWithoutAFoundTarget) {
  const std::string gone = programs.File("Weg.exe");
  WriteFileBytes(gone, "MZ");
  Link(user.File("B Tot.lnk"), gone);
  DeleteFileA(gone.c_str());
  Link(user.File("A Gut.lnk"), program);
  WriteFileBytes(user.File("C Kaputt.lnk"), "keine Verknüpfung");
  Link(user.File("D Gut.lnk"), program);
  Open();
  Press(Page().AutostartCheckBtn);
  ExpectShown(dialogs, {Info(kCheckNote), Error("Datei für Verknüpfung: \"B Tot.lnk\" nicht gefunden!"),
                        Error("Datei für Verknüpfung: \"C Kaputt.lnk\" nicht gefunden!")});
  EXPECT_EQ(View().Count(), 4);
}

TEST_F(AutostartPageTest, FirstColumnClickSortsZToAThenAToZ) {
  for (const char* name : {"Berta.lnk", "Anton.lnk", "Cäsar.lnk"}) Link(user.File(name), program);
  Open();
  EXPECT_EQ(Rows(), (std::vector<std::string>{"Anton.lnk", "Berta.lnk", "Cäsar.lnk"}));
  Page().AutoStartFolderLVColumnClick(0);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"Cäsar.lnk", "Berta.lnk", "Anton.lnk"}));
  Page().AutoStartFolderLVColumnClick(0);
  EXPECT_EQ(Rows(), (std::vector<std::string>{"Anton.lnk", "Berta.lnk", "Cäsar.lnk"}));
}

// Another user's language: a name with no ANSI form is shown as it is, and
// checked and deleted by that name, not by its '?' form.
TEST_F(AutostartPageTest, AShortcutWhoseNameHasNoAnsiFormIsListedCheckedAndDeleted) {
  if (!IsWinNT) GTEST_SKIP() << "the 9x family names files in the ANSI code page only";
  const std::wstring name = L"\u041f\u0440\u043e\u0433\u0440\u0430\u043c\u043c\u0430 \u65e5\u672c.lnk";
  const std::wstring linkFile = WideFromAnsi(user.Path()) + L"\\" + name;
  Link(user.File("Neu.lnk"), program);
  ASSERT_TRUE(MoveFileW(WideFromAnsi(user.File("Neu.lnk")).c_str(), linkFile.c_str()));
  Link(user.File("Anton.lnk"), program);
  Open();
  EXPECT_GE(RowShowing(name), 0);
  Page().AutoStartFolderLVColumnClick(0);
  EXPECT_GE(RowShowing(name), 0);  // a sort keeps it shown
  Press(Page().AutostartCheckBtn);
  View().Select(RowShowing(name));
  dialogs.Answer({TModalResult::Yes});
  Press(Page().AutostartDeleteBtn);
  const bool deleted = GetFileAttributesW(linkFile.c_str()) == INVALID_FILE_ATTRIBUTES;
  if (!deleted) DeleteFileW(linkFile.c_str());
  EXPECT_TRUE(deleted);
  EXPECT_EQ(Rows(), std::vector<std::string>{"Anton.lnk"});
  ExpectShown(dialogs, {Info(kCheckNote), Question("Verknüpfung " + AnsiFromWide(name) + " wirklich entfernen?")});
}

// From Windows 8 on, Windows can switch a shortcut off (StartupFolder of the
// user's or the machine's StartupApproved): the page says so, and the check
// does not report a switched-off shortcut. Before Windows 8 none of it shows.
TEST_F(AutostartPageTest, ShortcutsWindowsSwitchedOffShowTheirStatusAndAreNotChecked) {
  TStartupApprovedValues approved;
  Link(user.File("An.lnk"), program);
  Link(common.File("Gemeinsam.lnk"), program);
  WriteFileBytes(user.File("Aus.lnk"), "keine Verknüpfung");
  WriteFileBytes(user.File("Kaputt.lnk"), "keine Verknüpfung");
  CreateDirectoryA(Waiting("").c_str(), nullptr);
  Link(Waiting("Wartet.lnk"), program);
  approved.SwitchOff(HKEY_CURRENT_USER, "StartupFolder", "aus.LNK", LocalTime(2026, 12, 8, 10, 15));
  approved.SwitchOn(HKEY_CURRENT_USER, "StartupFolder", "An.lnk");
  approved.SwitchOff(HKEY_LOCAL_MACHINE, "StartupFolder", "Gemeinsam.lnk", LocalTime(2025, 3, 1, 7, 5));
  approved.SwitchOff(HKEY_LOCAL_MACHINE, "StartupFolder", "Kaputt.lnk", LocalTime(2025, 3, 1, 7, 5));
  Open();
  std::vector<std::string> rows;
  for (int i = 0; i < View().Count(); ++i) rows.push_back(View().Caption(i) + "=" + View().SubItem(i));
  const bool win8 = IsWin8OrLater();
  EXPECT_EQ(Header_GetItemCount(ListView_GetHeader(View().Handle())), win8 ? 2 : 1);
  const std::vector<std::string> shown =
      win8 ? std::vector<std::string>{"An.lnk=aktiv", "Aus.lnk=deaktiviert seit 08.12.2026 10:15", "Kaputt.lnk=aktiv",
                                      "Wartet.lnk=von Velmora deaktiviert"}
           : std::vector<std::string>{"An.lnk=", "Aus.lnk=", "Kaputt.lnk=", "Wartet.lnk="};
  EXPECT_EQ(rows, shown);
  Press(Page().AutostartCheckBtn);
  std::vector<TShownMessage> expected = {Info(kCheckNote)};
  if (!win8) expected.push_back(Error("Datei für Verknüpfung: \"Aus.lnk\" nicht gefunden!"));
  expected.push_back(Error("Datei für Verknüpfung: \"Kaputt.lnk\" nicht gefunden!"));
  ExpectShown(dialogs, expected);
  if (!win8) return;
  Press(Page().AutoStartAllUsersBtn);
  EXPECT_EQ(View().SubItem(0), "deaktiviert seit 01.03.2025 07:05");
}

}  // namespace
