// The backup page: folder choice, backup, restore, over a boot drive of the
// test's own and the Windows folder of the test prefix.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "app/MainForm.h"
#include "support/SystemLocations.h"
#include "support/WininitFile.h"
#include "support/Tools.h"
#include "tests/FakeInteraction.h"
#include "tests/Press.h"
#include "tests/RegistrySandbox.h"
#include "tests/ScratchBootFolder.h"
#include "tests/ScratchFolder.h"

namespace {

const std::string kHeader =
    ";Velmora Wiederherstellungsinformationen\r\n;\r\n"
    "; Führen Sie keine Änderungen an dieser Datei durch!\r\n;\r\n"
    ";Auf KEINEN Fall die Schreibung der Dateinamen ändern, ansonsten erkennt der Velmora diese nicht mehr!\r\n"
    ";\r\n[BACKUP]\r\n";

// Every checked row refused or without its copy: no success, no restart advised.
const char kNothingRestored[] = "Es wurde keine Datei wiederhergestellt, am System wurde nichts geändert.";
const char kSessionManager[] = "System\\CurrentControlSet\\Control\\Session Manager";
const std::string kRestartWarning =
    "Der Rechner muß neu gestartet werden! Schließen Sie jetzt ALLE Anwendungen bzw. SICHERN Sie Ihre Daten in den "
    "offenen Anwendungen, Windows wird neugestartet ohne den Anwendungen noch zu erlauben diesen Vorgang "
    "abzubrechen!";

bool HasValue(HKEY root, const std::string& subKey, const std::string& name) {
  for (const TStoredValue& value : StoredValues(root, subKey))
    if (value.name == name) return true;
  return false;
}

// Opened without sharing, as Windows 9x holds its registry files: nobody
// else can write the file while this lives.
class TFileHeldOpen {
 public:
  explicit TFileHeldOpen(const std::string& path)
      : file_(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) {
    EXPECT_NE(file_, INVALID_HANDLE_VALUE) << path;
  }
  ~TFileHeldOpen() { CloseHandle(file_); }
  TFileHeldOpen(const TFileHeldOpen&) = delete;
  TFileHeldOpen& operator=(const TFileHeldOpen&) = delete;

 private:
  HANDLE file_;
};

class BackupPageTest : public testing::Test {
 protected:
  BackupPageTest() {
    for (const char* name : {"Autoexec.bat", "Config.sys", "MSDOS.SYS", "IO.SYS"})
      WriteFileBytes(boot.File(name), std::string("alt ") + name);
    for (const char* name : {"USER.DAT", "SYSTEM.DAT", "WIN.INI", "SYSTEM.INI", "CONTROL.INI", "PROTOCOL.INI"}) {
      const std::string path = GetWinDir() + "\\" + name;
      if (FileExists(path)) continue;
      WriteFileBytes(path, std::string("alt ") + name);
      madeInWindows.push_back(path);
    }
    form = std::make_unique<TMainForm>();
  }
  ~BackupPageTest() override {
    form.reset();
    for (const std::string& path : madeInWindows) DeleteFileA(path.c_str());
  }

  TBackupPage& Page() { return *form->BackupRestore; }
  void CheckOnly(std::initializer_list<int> rows) {
    for (int i = 0; i < 10; ++i) Page().CheckBoxes[i]->SetChecked(false);
    for (int row : rows) Page().CheckBoxes[row - 1]->SetChecked(true);
  }
  // The controls are disabled on the NT family: the handlers are called directly.
  void Backup() { Page().BackupBtnClick(); }
  void Restore() { Page().RestoreBtnClick(); }

  TRunKeysSandbox sandbox;
  TFakeInteraction dialogs;
  TScratchBootFolder boot{"backup-boot"};
  TScratchFolder target{"backup-target"};
  std::vector<std::string> madeInWindows;
  std::unique_ptr<TMainForm> form;
};

TEST_F(BackupPageTest, ShowsItsRowsWithTheirStartStatesAndIsDisabledOnTheNtFamily) {
  const char* captions[] = {"User.dat",     "System.dat", "Win.ini",   "System.ini", "Control.ini",
                            "Protocol.ini", "Autoexec.bat", "Config.sys", "msdos.sys", "io.sys"};
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(Page().CheckBoxes[i]->Text(), captions[i]);
    EXPECT_EQ(Page().CheckBoxes[i]->Checked(), i != 5 && i != 9) << captions[i];
    EXPECT_TRUE(Page().CheckBoxes[i]->Enabled());
  }
  EXPECT_EQ(Page().Label17.Text(),
            "Lesen Sie vor der Sicherung/Wiederherstellung unbedingt in der Hilfedatei nach!\r\n\r\n"
            "Die Sicherungs-/Wiederherstellungsoption steht nur unter Windows 95/98/Me zur Verfügung.");
  EXPECT_EQ(Page().FolderEdit.Text(), "");
  EXPECT_FALSE(Page().RestorePanel.Visible());
  for (TControl* control : std::initializer_list<TControl*>{&Page().BrowseBtn, &Page().FolderEdit, &Page().BackupBtn,
                                                            &Page().RestoreBtn})
    EXPECT_EQ(control->Enabled(), !IsWinNT) << control->Text();
}

TEST_F(BackupPageTest, AChosenFolderIsCheckedForItsDriveType) {
  dialogs.ChooseFolder(target.Path());
  Page().BrowseBtnClick();
  EXPECT_EQ(Page().FolderEdit.Text(), target.Path());
  dialogs.ChooseFolder("Q:\\Sicherung");  // a drive that does not exist
  Page().BrowseBtnClick();
  EXPECT_EQ(Page().FolderEdit.Text(), "");
  dialogs.ChooseFolder("\\\\server\\freigabe\\sich");
  Page().BrowseBtnClick();
  EXPECT_EQ(Page().FolderEdit.Text(), "\\\\server\\freigabe\\sich");
  dialogs.ChooseFolder("");  // cancelled
  Page().BrowseBtnClick();
  EXPECT_EQ(Page().FolderEdit.Text(), "\\\\server\\freigabe\\sich");
  ExpectShown(dialogs, {Error("Kann Typ des Laufwerks nicht bestimmen, daher ist die Sicherung/Wiederherstellung "
                              "nicht möglich!")});
  EXPECT_EQ(dialogs.folderBrowserTitles[0], "Ordner für Sicherung/Wiederherstellung wählen");
}

TEST_F(BackupPageTest, BackupCopiesTheCheckedRowsAndWritesTheRestoreInformation) {
  Page().FolderEdit.SetText(target.Path() + "\\");
  Backup();
  ExpectShown(dialogs, {Info("Sicherung erfolgreich abgeschlossen!")});
  const std::string win = GetWinDir(), root = boot.Path() + "\\";
  EXPECT_EQ(ReadFileBytes(target.File("Trivan.ini")),
            kHeader + "USER.DAT=" + win + "\\USER.DAT\r\nSYSTEM.DAT=" + win + "\\SYSTEM.DAT\r\nWIN.INI=" + win +
                "\\WIN.INI\r\nSYSTEM.INI=" + win + "\\SYSTEM.INI\r\nCONTROL.INI=" + win +
                "\\CONTROL.INI\r\nAutoexec.bat=" + root + "Autoexec.bat\r\nConfig.sys=" + root +
                "Config.sys\r\nMSDOS.SYS=" + root + "MSDOS.SYS\r\n");
  EXPECT_EQ(ReadFileBytes(target.File("Config.sys")), "alt Config.sys");
  EXPECT_EQ(ReadFileBytes(target.File("USER.DAT")), ReadFileBytes(win + "\\USER.DAT"));
  EXPECT_FALSE(FileExists(target.File("IO.SYS")));

  CheckOnly({10});  // a new backup replaces the whole file
  Backup();
  EXPECT_EQ(ReadFileBytes(target.File("Trivan.ini")), kHeader + "IO.SYS=" + root + "IO.SYS\r\n");
  EXPECT_TRUE(form->AutoStartPageControl->Enabled());
}

TEST_F(BackupPageTest, BackupFailuresAreReportedInTheirPlaceAndLeaveTheOldFile) {
  Backup();
  Page().FolderEdit.SetText(target.Path());
  form->Unsaved.Flag(TPageFlag::Config) = true;
  CheckOnly({});
  dialogs.Answer({TModalResult::No});
  Backup();  // the close question comes before the complaint
  WriteFileBytes(target.File("Trivan.ini"), "alt");
  CheckOnly({8});
  DeleteFileA(boot.File("Config.sys").c_str());
  dialogs.Answer({TModalResult::No});
  Backup();
  EXPECT_EQ(ReadFileBytes(target.File("Trivan.ini")), "alt");
  ExpectShown(dialogs, {Error("Legen Sie zuerst einen Ordner für die Sicherung fest!"),
                        Question("Änderungen in Config.sys speichern?"),
                        Error("Es wurde nichts für die Sicherung ausgewählt!"),
                        Question("Änderungen in Config.sys speichern?"), Error("Sicherung fehlgeschlagen!")});
}

// The earlier copies and the Trivan.ini that names them belong together:
// a backup that fails half-way must not leave some of them replaced.
TEST_F(BackupPageTest, AFailedBackupLeavesTheEarlierBackupInTheFolderWhole) {
  Page().FolderEdit.SetText(target.Path());
  CheckOnly({7, 8, 9});
  Backup();
  const std::string earlierInfo = ReadFileBytes(target.File("Trivan.ini"));
  for (const char* name : {"Autoexec.bat", "Config.sys"}) WriteFileBytes(boot.File(name), std::string("neu ") + name);
  CheckOnly({7, 8, 9, 10});
  // A file in use cannot be read: the shell copy stops after the files before it.
  HANDLE inUse = CreateFileA(boot.File("IO.SYS").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(inUse, INVALID_HANDLE_VALUE);
  Backup();
  CloseHandle(inUse);
  ExpectShown(dialogs, {Info("Sicherung erfolgreich abgeschlossen!"), Error("Sicherung fehlgeschlagen!")});
  EXPECT_EQ(ReadFileBytes(target.File("Trivan.ini")), earlierInfo);
  for (const char* name : {"Autoexec.bat", "Config.sys", "MSDOS.SYS"})
    EXPECT_EQ(ReadFileBytes(target.File(name)), std::string("alt ") + name) << name;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(target.File("*.$$$").c_str(), &found);
  EXPECT_EQ(search, INVALID_HANDLE_VALUE) << "left behind: " << found.cFileName;
  if (search != INVALID_HANDLE_VALUE) FindClose(search);
  EXPECT_FALSE(FileExists(target.File("IO.SYS")));
}

TEST_F(BackupPageTest, ARestoreInformationFileThatCannotBeCreatedIsReportedAfterTheCopies) {
  Page().FolderEdit.SetText(target.Path());
  CreateDirectoryA(target.File("Trivan.ini").c_str(), nullptr);
  CheckOnly({7});
  Backup();
  ExpectShown(dialogs, {Error("Sicherung erfolgreich abgeschlossen, konnte Wiederherstellungsdatei jedoch nicht "
                              "erstellen!")});
  EXPECT_EQ(ReadFileBytes(target.File("Autoexec.bat")), "alt Autoexec.bat");
}

TEST_F(BackupPageTest, RestoreCopiesTheListedFilesBackAndReloadsEveryPage) {
  Page().FolderEdit.SetText(target.Path());
  CheckOnly({7, 8});
  Backup();
  WriteFileBytes(boot.File("Autoexec.bat"), "neu");
  WriteFileBytes(boot.File("Config.sys"), "neu");
  for (int i = 0; i < 10; ++i) Page().CheckBoxes[i]->SetChecked(true);  // rows not in the file are passed over
  form->WinReg->HKCURunBtn.Click();
  form->Unsaved.Flag(TPageFlag::Registry) = true;
  dialogs.ClearShown();
  dialogs.Answer({TModalResult::No});
  Restore();
  EXPECT_EQ(ReadFileBytes(boot.File("Autoexec.bat")), "alt Autoexec.bat");
  EXPECT_EQ(ReadFileBytes(boot.File("Config.sys")), "alt Config.sys");
  ExpectShown(dialogs, {Question("Änderungen in die Windows-Registrierung speichern?"),
                        Info("Wiederherstellung beendet! Der Rechner sollte neu gestartet werden.")});
  EXPECT_FALSE(form->Unsaved.Flag(TPageFlag::Registry));
  EXPECT_EQ(form->WinReg->CurrentRegKey, form->WinReg->HKLMRunBtn.Hint());
  EXPECT_TRUE(form->WinReg->HKLMRunBtn.Down());
  EXPECT_FALSE(Page().RestorePanel.Visible());
  EXPECT_TRUE(dialogs.shutdownRequests.empty());
}

TEST_F(BackupPageTest, RestoreMatchesKeysWithoutCaseAndSkipsEmptyValues) {
  Page().FolderEdit.SetText(target.Path());
  WriteFileBytes(target.File("autoexec.bat"), "aus der Sicherung");
  WriteFileBytes(target.File("Trivan.ini"), kHeader + "autoexec.bat=" + boot.File("Autoexec.bat") +
                                                "\r\nConfig.sys=\r\n");
  Restore();
  EXPECT_EQ(ReadFileBytes(boot.File("Autoexec.bat")), "aus der Sicherung");
  EXPECT_EQ(ReadFileBytes(boot.File("Config.sys")), "alt Config.sys");
}

TEST_F(BackupPageTest, RestoreRefusesEveryDestinationThatIsNotTheRowsOwnFile) {
  TScratchFolder elsewhere{"anderer Ordner"};  // stands for the start-up folder
  const std::string win = GetWinDir(), other = elsewhere.Path();
  std::string slashed = other;
  std::replace(slashed.begin(), slashed.end(), '\\', '/');
  char shortOther[MAX_PATH] = {};
  ASSERT_NE(GetShortPathNameA(other.c_str(), shortOther, MAX_PATH), 0u);
  ASSERT_NE(std::string(shortOther), other);
  std::string longWay = boot.Path() + "\\";
  while (longWay.size() < 700) longWay += "x\\..\\";
  const std::vector<std::pair<std::string, std::string>> refused = {
      {"USER.DAT", other + "\\USER.DAT"},
      {"SYSTEM.DAT", win + "\\.." + other.substr(2) + "\\SYSTEM.DAT"},
      {"WIN.INI", slashed + "/WIN.INI"},
      {"SYSTEM.INI", std::string(shortOther) + "\\SYSTEM.INI"},
      {"CONTROL.INI", other + "\\CONTROL.INI."},
      {"Autoexec.bat", boot.Path() + "\\..\\anderer Ordner\\Autoexec.bat"},
      {"Config.sys", longWay + "Config.sys"},  // the row's own file, but too long a path to be given to Windows
      {"MSDOS.SYS", boot.File("wichtig.dat")},
      {"IO.SYS", "IO.SYS"},  // relative: where it lands depends on the current folder
  };
  std::string info = kHeader;
  std::vector<TShownMessage> messages;
  for (const auto& [key, destination] : refused) {
    WriteFileBytes(target.File(key), "aus der Sicherung");
    info += key + "=" + destination + "\r\n";
    messages.push_back(Error("Das Ziel " + destination + " passt nicht zum Eintrag " + key +
                             " in Trivan.ini. Diese Datei wird nicht wiederhergestellt!"));
  }
  WriteFileBytes(target.File("Trivan.ini"), info);
  std::vector<std::string> homeFiles;
  for (const char* name : {"USER.DAT", "SYSTEM.DAT", "WIN.INI", "SYSTEM.INI", "CONTROL.INI"})
    homeFiles.push_back(ReadFileBytes(win + "\\" + name));
  Page().FolderEdit.SetText(target.Path());
  CheckOnly({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
  messages.push_back(Error(kNothingRestored));
  form->Unsaved.Flag(TPageFlag::Registry) = true;
  dialogs.Answer({TModalResult::No});
  messages.insert(messages.begin(), Question("Änderungen in die Windows-Registrierung speichern?"));
  Restore();
  ExpectShown(dialogs, messages);
  EXPECT_TRUE(form->Unsaved.Flag(TPageFlag::Registry)) << "no reload: the edits not saved are still there";
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((other + "\\*.*").c_str(), &found);
  int entries = 0;
  if (search != INVALID_HANDLE_VALUE) {
    do ++entries; while (FindNextFileA(search, &found));
    FindClose(search);
  }
  EXPECT_EQ(entries, 2) << "only . and ..";
  for (const char* name : {"Autoexec.bat", "Config.sys", "MSDOS.SYS", "IO.SYS"})
    EXPECT_EQ(ReadFileBytes(boot.File(name)), std::string("alt ") + name);
  EXPECT_FALSE(FileExists(boot.File("wichtig.dat")));
  int i = 0;
  for (const char* name : {"USER.DAT", "SYSTEM.DAT", "WIN.INI", "SYSTEM.INI", "CONTROL.INI"})
    EXPECT_EQ(ReadFileBytes(win + "\\" + name), homeFiles[i++]) << name;
  EXPECT_TRUE(dialogs.shutdownRequests.empty());
}

TEST_F(BackupPageTest, RestoreAcceptsTheRowsOwnFileInEverySpellingOfIt) {
  char shortBoot[MAX_PATH] = {};
  ASSERT_NE(GetShortPathNameA(boot.Path().c_str(), shortBoot, MAX_PATH), 0u);
  ASSERT_NE(std::string(shortBoot), boot.Path());
  std::string slashed = boot.Path();
  std::replace(slashed.begin(), slashed.end(), '\\', '/');
  std::string lower = boot.Path();
  CharLowerBuffA(lower.data(), static_cast<DWORD>(lower.size()));
  const std::vector<std::pair<std::string, std::string>> spellings = {
      {"Autoexec.bat", std::string(shortBoot) + "\\Autoexec.bat. "},
      {"Config.sys", slashed + "//Config.sys"},
      {"MSDOS.SYS", lower + "\\x\\.\\..\\msdos.sys"},
      {"IO.SYS", boot.Path() + ".\\IO.SYS"},
  };
  std::string info = kHeader;
  for (const auto& [key, destination] : spellings) {
    WriteFileBytes(target.File(key), "aus der Sicherung " + key);
    info += key + "=" + destination + "\r\n";
  }
  WriteFileBytes(target.File("Trivan.ini"), info);
  Page().FolderEdit.SetText(target.Path());
  CheckOnly({7, 8, 9, 10});
  Restore();
  ExpectShown(dialogs, {Info("Wiederherstellung beendet! Der Rechner sollte neu gestartet werden.")});
  for (const auto& [key, destination] : spellings)
    EXPECT_EQ(ReadFileBytes(boot.File(key)), "aus der Sicherung " + key) << destination;
}

TEST_F(BackupPageTest, AMissingCopyOrOneThatCannotBeWrittenIsReportedAndNeverScheduled) {
  TKeptValue pending(HKEY_LOCAL_MACHINE, kSessionManager, "PendingFileRenameOperations");
  pending.Delete();
  // A boot root that is a file: nothing can be written below it.
  const std::string root = target.File("Datei statt Ordner");
  WriteFileBytes(root, "");
  TKeptValue bootDir(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Setup", "BootDir");
  bootDir.Set(root + "\\");
  Page().FolderEdit.SetText(target.Path());
  WriteFileBytes(target.File("IO.SYS"), "neu");
  WriteFileBytes(target.File("Trivan.ini"),
                 kHeader + "Config.sys=" + root + "\\Config.sys\r\nIO.SYS=" + root + "\\IO.SYS\r\n");
  CheckOnly({8, 10});
  Restore();
  ExpectShown(dialogs, {Error("Die Sicherungskopie " + target.File("Config.sys") +
                              " wurde nicht gefunden. Diese Datei wird nicht wiederhergestellt!"),
                        Error("Konnte " + target.File("IO.SYS") + " nicht nach " + root +
                              "\\IO.SYS kopieren. Diese Datei wird nicht wiederhergestellt!"),
                        Error(kNothingRestored)});
  EXPECT_FALSE(FileExists(GetWinDir() + "\\WININIT.INI"));
  EXPECT_FALSE(HasValue(HKEY_LOCAL_MACHINE, kSessionManager, "PendingFileRenameOperations"));
  EXPECT_TRUE(dialogs.shutdownRequests.empty());
}

TEST_F(BackupPageTest, RestoreRefusalsComeInTheOrderOfTheChecks) {
  Restore();
  Page().FolderEdit.SetText(target.Path() + "\\");
  Restore();
  WriteFileBytes(target.File("Trivan.ini"), "");
  Restore();
  WriteFileBytes(target.File("Trivan.ini"), kHeader);
  const DWORD guarded = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
  SetFileAttributesA(target.File("Trivan.ini").c_str(), guarded);
  const DWORD before = GetFileAttributesA(target.File("Trivan.ini").c_str());
  Restore();  // read as it is, and left so
  EXPECT_EQ(GetFileAttributesA(target.File("Trivan.ini").c_str()), before);
  EXPECT_EQ(before & guarded, guarded);
  EXPECT_EQ(ReadFileBytes(target.File("Trivan.ini")), kHeader);
  SetFileAttributesA(target.File("Trivan.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
  WriteFileBytes(target.File("Trivan.ini"), kHeader + "IO.SYS=" + boot.File("IO.SYS") + "\r\n");
  Restore();  // io.sys is not checked
  const std::string info = target.File("Trivan.ini");
  ExpectShown(dialogs, {Error("Legen Sie zuerst den Ordner mit den Wiederherstellungsdateien fest!"),
                        Error("Konnte " + info + " nicht finden oder die Datei ist ungültig!"),
                        Error("Konnte " + info + " nicht finden oder die Datei ist ungültig!"),
                        Error("In der Datei " + info + " befinden sich keine Wiederherstellunginformationen."),
                        Error("Es wurde nichts für die Wiederherstellung ausgewählt!")});
}

TEST_F(BackupPageTest, AFileInUseIsScheduledAndWindowsRestartedByForce) {
  TKeptValue pending(HKEY_LOCAL_MACHINE, kSessionManager, "PendingFileRenameOperations");
  const std::string wininit = GetWinDir() + "\\WININIT.INI";
  Page().FolderEdit.SetText(target.Path());
  WriteFileBytes(target.File("IO.SYS"), "neu");
  WriteFileBytes(target.File("Trivan.ini"), kHeader + "IO.SYS=" + boot.File("IO.SYS") + "\r\n");
  CheckOnly({10});
  dialogs.shutdownAccepted = false;
  {
    TFileHeldOpen inUse(boot.File("IO.SYS"));
    Restore();
  }
  EXPECT_EQ(ReadFileBytes(boot.File("IO.SYS")), "alt IO.SYS");
  ExpectShown(dialogs, {Info("Wiederherstellung beendet!"), Info(kRestartWarning),
                        Error("Konnte Windows nicht neustarten! Tun Sie es unbedingt selbst!")});
  EXPECT_EQ(dialogs.shutdownRequests, (std::vector<unsigned>{6}));
  if (IsWinNT) {
    EXPECT_FALSE(FileExists(wininit));
  } else {
    EXPECT_EQ(ReadFileBytes(wininit), "[rename]\r\n" + WininitName(boot.File("IO.SYS")) + "=" +
                                          WininitName(target.File("IO.SYS")) + "\r\n");
    DeleteFileA(wininit.c_str());
  }
}

TEST_F(BackupPageTest, AWininitThatCannotBeWrittenStopsTheRestoreAndNothingRestarts) {
  if (IsWinNT) GTEST_SKIP() << "WININIT.INI serves the 9x family only";
  const std::string wininit = GetWinDir() + "\\WININIT.INI";
  CreateDirectoryA(wininit.c_str(), nullptr);
  Page().FolderEdit.SetText(target.Path());
  WriteFileBytes(target.File("IO.SYS"), "neu");
  WriteFileBytes(target.File("Trivan.ini"), kHeader + "IO.SYS=" + boot.File("IO.SYS") + "\r\n");
  CheckOnly({10});
  {
    TFileHeldOpen inUse(boot.File("IO.SYS"));
    Restore();
  }
  RemoveDirectoryA(wininit.c_str());
  // Nothing was scheduled, so a restart would mend nothing.
  ExpectShown(dialogs, {Error("Datei " + wininit + " kann nicht geöffnet werden.")});
  EXPECT_TRUE(dialogs.shutdownRequests.empty());
  EXPECT_TRUE(form->AutoStartPageControl->Enabled());
}

}  // namespace
