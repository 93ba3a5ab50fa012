// The Win.ini page. Wine keeps the [windows] section of win.ini in the
// registry (as Windows NT does): the values are set and checked through the
// profile functions, and kept as they were by the test.
#include <gtest/gtest.h>
#include <windows.h>
#include <commdlg.h>

#include <optional>
#include <vector>

#include "app/MainForm.h"
#include "support/SystemLocations.h"
#include "support/Tools.h"
#include "tests/FakeInteraction.h"
#include "tests/Press.h"
#include "tests/RegistrySandbox.h"
#include "tests/ScratchFolder.h"

namespace {

const char kWindowsSection[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows";

std::string ProfileValue(const char* key) {
  std::vector<char> value(1 << 16);
  GetPrivateProfileStringA("windows", key, "<fehlt>", value.data(), static_cast<DWORD>(value.size()), "win.ini");
  return value.data();
}

std::wstring WideProfileValue(const wchar_t* key) {
  std::vector<wchar_t> value(1 << 16);
  GetPrivateProfileStringW(L"windows", key, L"<fehlt>", value.data(), static_cast<DWORD>(value.size()), L"win.ini");
  return value.data();
}

class WinIniPageTest : public testing::Test {
 protected:
  WinIniPageTest() {
    WritePrivateProfileStringA("windows", "run", "C:\\WINDOWS\\notepad.exe", "win.ini");
    WritePrivateProfileStringA("windows", "load", "", "win.ini");
  }
  ~WinIniPageTest() override {
    form.reset();
    DeleteFileA((GetWinDir() + "\\Win.VLM").c_str());
  }
  void Open() { form = std::make_unique<TMainForm>(); }
  TWinIniPage& Page() { return *form->WinIni; }

  TRunKeysSandbox sandbox;
  TKeptValue run{HKEY_CURRENT_USER, kWindowsSection, "run"};
  TKeptValue load{HKEY_CURRENT_USER, kWindowsSection, "load"};
  TFakeInteraction dialogs;
  std::unique_ptr<TMainForm> form;
};

TEST_F(WinIniPageTest, ShowsBothValuesWithTheirLabels) {
  Open();
  EXPECT_EQ(Page().RunEdit.Text(), "C:\\WINDOWS\\notepad.exe");
  EXPECT_EQ(Page().LoadEdit.Text(), "");
  EXPECT_FALSE(Page().WinIniChanged);
  EXPECT_TRUE(Page().WinIniCheckBtn.Enabled());
  EXPECT_FALSE(Page().WinIniAddBtn.Enabled());
  EXPECT_EQ(Page().Label3.Text(), "Wert für \"Run\":");
  EXPECT_EQ(Page().Label4.Text(), "Wert für \"Load\":");
  EXPECT_EQ(Page().Label7.Text(), "Hinweis: Verwenden Sie nur kurze Dateinamen. Die Einträge für \"Run\" und \"Load\" "
                                  "müssen mit Leerzeichen voneinander getrennt werden!");
  EXPECT_EQ(Page().WinIniAddBtn.Hint(), "Eintrag hinzufügen");
  ExpectShown(dialogs, {});
}

// Merely starting Velmora, or reloading, reads Win.ini and changes nothing
// on disk; a save writes through its attributes and puts them back.
TEST_F(WinIniPageTest, AHiddenSystemReadOnlyWinIniIsLeftAsItWasByReadingAndKeepsItsAttributesOnSave) {
  const std::string path = TWinIniPage::WinIniPath();
  if (!FileExists(path)) WriteFileBytes(path, "[windows]\r\n");
  const DWORD original = GetFileAttributesA(path.c_str());
  const DWORD guarded = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY;
  ASSERT_TRUE(SetFileAttributesA(path.c_str(), guarded));
  const DWORD before = GetFileAttributesA(path.c_str());
  const std::string bytes = ReadFileBytes(path);
  Open();
  Press(Page().WinIniRefreshBtn);
  EXPECT_EQ(GetFileAttributesA(path.c_str()), before);
  EXPECT_EQ(ReadFileBytes(path), bytes);
  Page().LoadEdit.SetText("C:\\WINDOWS\\calc.exe");
  Press(Page().WinIniSaveBtn);
  ExpectShown(dialogs, {Info("Speicherung abgeschlossen!")});
  EXPECT_EQ(ProfileValue("load"), "C:\\WINDOWS\\calc.exe");
  EXPECT_EQ(GetFileAttributesA(path.c_str()), before);
  SetFileAttributesA(path.c_str(), original);
  SetFileAttributesA((GetWinDir() + "\\Win.VLM").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(WinIniPageTest, TheCheckButtonFollowsTheFieldsOnlyAfterRefreshSaveOrAdd) {
  WritePrivateProfileStringA("windows", "run", "", "win.ini");
  Open();
  EXPECT_FALSE(Page().WinIniCheckBtn.Enabled());
  Page().LoadEdit.SetText("x.exe");
  EXPECT_FALSE(Page().WinIniCheckBtn.Enabled());
  EXPECT_TRUE(Page().WinIniChanged);
  Press(Page().WinIniSaveBtn);
  EXPECT_TRUE(Page().WinIniCheckBtn.Enabled());
  Page().LoadEdit.SetText("  ");
  Press(Page().WinIniSaveBtn);
  EXPECT_FALSE(Page().WinIniCheckBtn.Enabled());
}

TEST_F(WinIniPageTest, SaveWritesBothValuesUntrimmedAfterABackupCopy) {
  Open();
  Press(Page().WinIniSaveBtn);
  Page().RunEdit.SetText("");
  Page().LoadEdit.SetText(" a.exe  b.exe ");
  Press(Page().WinIniSaveBtn);
  ExpectShown(dialogs, {Error("Keine Änderungen durchgeführt, Speicherung unnötig!"), Info("Speicherung abgeschlossen!")});
  EXPECT_EQ(ProfileValue("run"), "");  // the key stays, empty
  EXPECT_EQ(ProfileValue("load"), " a.exe  b.exe ");
  EXPECT_FALSE(Page().WinIniChanged);
  EXPECT_TRUE(FileExists(GetWinDir() + "\\Win.VLM"));
}

TEST_F(WinIniPageTest, RefreshAsksBeforeDroppingChanges) {
  Open();
  Page().RunEdit.SetText("geändert.exe");
  dialogs.Answer({TModalResult::No, TModalResult::Yes});
  Press(Page().WinIniRefreshBtn);
  EXPECT_EQ(Page().RunEdit.Text(), "geändert.exe");
  EXPECT_TRUE(Page().WinIniChanged);
  Press(Page().WinIniRefreshBtn);
  EXPECT_EQ(Page().RunEdit.Text(), "C:\\WINDOWS\\notepad.exe");
  EXPECT_FALSE(Page().WinIniChanged);
  ExpectShown(dialogs, {Question("Änderungen für Win.ini verwerfen?"), Question("Änderungen für Win.ini verwerfen?")});
}

TEST_F(WinIniPageTest, CheckReportsEveryMissingNameAndPassesOverEmptyOnes) {
  TScratchFolder folder("winini-check");
  WriteFileBytes(folder.File("da.exe"), "MZ");
  CreateDirectoryA(folder.File("ordner").c_str(), nullptr);
  Open();
  const std::string run = std::string(" ") + folder.File("da.exe") + "  fehlt.exe " + folder.File("ordner") + " ";
  Page().RunEdit.SetText(run);
  Page().LoadEdit.SetText("tab\tname.exe");
  Press(Page().WinIniCheckBtn);
  ExpectShown(dialogs, {Error("Datei fehlt.exe nicht gefunden!"), Error("Datei " + folder.File("ordner") + " nicht gefunden!"),
                        Error("Datei tab\tname.exe nicht gefunden!")});
}

TEST_F(WinIniPageTest, AddAppendsTheChosenProgramToTheFocusedFieldWithinTheLimit) {
  Open();
  form->Show();
  Page().WinIniAddBtnClick();  // nothing focused (the button itself is disabled then)
  SetFocus(Page().LoadEdit.Handle());
  EXPECT_TRUE(Page().WinIniAddBtn.Enabled());
  dialogs.ChooseFile("C:\\PROGRA~1\\TOOL.EXE");
  Press(Page().WinIniAddBtn);  // the speed button leaves the focus in the field
  EXPECT_EQ(Page().LoadEdit.Text(), "C:\\PROGRA~1\\TOOL.EXE");
  EXPECT_TRUE(Page().WinIniChanged);
  EXPECT_EQ(GetFocus(), Page().LoadEdit.Handle());
  ASSERT_EQ(dialogs.FileDialogs().size(), 1u);
  EXPECT_EQ(dialogs.FileDialogs()[0].request.filter, "Anwendungen(*.exe)|*.exe|Alle Dateien (*.*)|*.*");
  EXPECT_TRUE(dialogs.FileDialogs()[0].request.options & OFN_NOLONGNAMES);

  SetFocus(Page().RunEdit.Handle());
  Page().RunEdit.SetText(std::string(249, 'r'));
  dialogs.ChooseFile("D.EXE");  // 249 + blank + 5 = 255: accepted
  Press(Page().WinIniAddBtn);
  EXPECT_EQ(Page().RunEdit.Text().size(), 255u);
  Page().RunEdit.SetText(std::string(250, 'r'));
  dialogs.ChooseFile("D.EXE");  // 256: refused
  Press(Page().WinIniAddBtn);
  EXPECT_EQ(Page().RunEdit.Text(), std::string(250, 'r'));
  Page().RunEdit.SetText("");
  dialogs.ChooseFile(std::string(256, 'p'));
  Press(Page().WinIniAddBtn);
  EXPECT_EQ(Page().RunEdit.Text(), "");
  dialogs.ChooseFile(std::string(255, 'p'));
  Press(Page().WinIniAddBtn);
  EXPECT_EQ(Page().RunEdit.Text(), std::string(255, 'p'));

  SetFocus(Page().WinIniSaveBtn.Handle());
  EXPECT_FALSE(Page().WinIniAddBtn.Enabled());
  ExpectShown(dialogs, {Error("Klicken Sie zuerst in das Feld 'Wert für \"Run\"' oder 'Wert für \"Load\"'!"),
                        Error("Dieser Eintrag darf 255 Zeichen nicht überschreiten!"),
                        Error("Dieser Eintrag darf 255 Zeichen nicht überschreiten!")});
}

TEST_F(WinIniPageTest, ValuesOfAnyLengthAreReadWholeAndKeptWholeByASaveOfTheOtherField) {
  for (size_t length : {2047u, 2048u, 5000u}) {
    SCOPED_TRACE(length);
    const std::string run = "C:\\" + std::string(length - 3, 'r');
    WritePrivateProfileStringA("windows", "run", run.c_str(), "win.ini");
    Open();
    EXPECT_EQ(Page().RunEdit.Text(), run);
    Page().LoadEdit.SetText("geladen.exe");
    Press(Page().WinIniSaveBtn);
    EXPECT_EQ(ProfileValue("run"), run);
    EXPECT_EQ(ProfileValue("load"), "geladen.exe");
    form.reset();
  }
}

TEST_F(WinIniPageTest, AValueTheAnsiCodePageCannotCarryIsShownReadOnlyAndLeftAsItIs) {
  if (!IsWinNT) GTEST_SKIP() << "the 9x family keeps Win.ini as an ANSI file: every value has an ANSI form";
  const std::wstring run = L"C:\\\u041F\u0440\u043E\u0433\u0440\u0430\u043C\u043C\u044B\\app.exe";
  WritePrivateProfileStringW(L"windows", L"run", run.c_str(), L"win.ini");
  Open();
  form->Show();
  EXPECT_EQ(Page().RunEdit.Text(), "C:\\?????????\\app.exe");
  EXPECT_TRUE(Page().RunEdit.ReadOnly());
  EXPECT_FALSE(Page().LoadEdit.ReadOnly());
  SetFocus(Page().RunEdit.Handle());
  Press(Page().WinIniAddBtn);
  Page().LoadEdit.SetText("geladen.exe");
  Press(Page().WinIniSaveBtn);
  const TShownMessage kept = Info("Der Wert für \"run\" enthält Zeichen, die hier nur als \"?\" angezeigt werden "
                                  "können. Er kann hier nicht bearbeitet werden und bleibt unverändert.");
  ExpectShown(dialogs, {kept, kept, Info("Speicherung abgeschlossen!")});
  EXPECT_TRUE(dialogs.FileDialogs().empty());
  EXPECT_EQ(WideProfileValue(L"run"), run);
  EXPECT_EQ(ProfileValue("load"), "geladen.exe");
}

std::string ShortName(const std::string& path) {
  char shortName[MAX_PATH] = {};
  GetShortPathNameA(path.c_str(), shortName, MAX_PATH);
  return shortName;
}

TEST_F(WinIniPageTest, AddEntersTheShortNameAndRefusesANameWithBlanksThatHasNone) {
  TScratchFolder folder("winini-short");
  CreateDirectoryA(folder.File("Langer Ordner").c_str(), nullptr);
  const std::string longName = folder.File("Langer Ordner\\Langer Programmname.exe");
  const std::string shortAlready = folder.File("KURZ.EXE");
  WriteFileBytes(longName, "MZ");
  WriteFileBytes(shortAlready, "MZ");
  // Wine gives every long name a short one; a file that has gone has none,
  // as on a volume whose short names are switched off.
  const std::string gone = folder.File("Nicht mehr da.exe");
  ASSERT_EQ(ShortName(longName).find(' '), std::string::npos);
  const struct {
    std::string chosen;
    std::optional<std::string> entered;  // none: refused
  } cases[] = {
      {longName, ShortName(longName)},
      {shortAlready, ShortName(shortAlready)},
      {gone, std::nullopt},
  };
  Open();
  form->Show();
  SetFocus(Page().RunEdit.Handle());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.chosen);
    Page().RunEdit.SetText("C:\\ERST.EXE");
    dialogs.ClearShown();
    dialogs.ChooseFile(c.chosen);
    Press(Page().WinIniAddBtn);
    if (c.entered) {
      EXPECT_EQ(Page().RunEdit.Text(), "C:\\ERST.EXE " + *c.entered);
      ExpectShown(dialogs, {});
    } else {
      EXPECT_EQ(Page().RunEdit.Text(), "C:\\ERST.EXE");
      ExpectShown(dialogs, {Error("Die Datei " + c.chosen +
                                  " hat keinen kurzen Dateinamen (8.3), und ihr Pfad enthält Leerzeichen. Weil "
                                  "Leerzeichen die Einträge trennen, kann sie hier nicht eingetragen werden.")});
    }
  }
}

}  // namespace
