// The text-file pages, over a boot drive of the test's own and the Windows
// folder of the test prefix.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/MainForm.h"
#include "support/SystemLocations.h"
#include "support/TextFile.h"
#include "support/Tools.h"
#include "tests/FakeInteraction.h"
#include "tests/Press.h"
#include "tests/RegistrySandbox.h"
#include "tests/ScratchBootFolder.h"
#include "tests/ScratchFolder.h"
#include "toolkit/Subclass.h"

namespace {

class TextFilePageTest : public testing::Test {
 protected:
  ~TextFilePageTest() override {
    form.reset();
    for (const char* name : {"Winstart.bat", "Winstart.VLM"}) {
      const std::string path = GetWinDir() + "\\" + name;
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileA(path.c_str());
    }
  }
  void Open() { form = std::make_unique<TMainForm>(); }
  // Typing into the memo, as a person does.
  void Type(TTextFilePage& page, const std::string& text) {
    const int end = GetWindowTextLengthA(page.Memo.Handle());
    SendMessageA(page.Memo.Handle(), EM_SETSEL, end, end);
    SendMessageA(page.Memo.Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
  }

  TRunKeysSandbox sandbox;
  TFakeInteraction dialogs;
  TScratchBootFolder boot{"text-pages-boot", false};  // the page adds the backslash
  std::unique_ptr<TMainForm> form;
};

TEST_F(TextFilePageTest, LoadsWithCrLfLineEndsAndSavesThemSoAfterEveryChange) {
  WriteFileBytes(boot.File("Config.sys"), "DEVICE=HIMEM.SYS\nFILES=40\rBUFFERS=30");
  Open();
  TTextFilePage& page = *form->Config;
  EXPECT_EQ(page.Memo.Text(), "DEVICE=HIMEM.SYS\r\nFILES=40\r\nBUFFERS=30");
  EXPECT_EQ(page.Memo.Lines(), (std::vector<std::string>{"DEVICE=HIMEM.SYS", "FILES=40", "BUFFERS=30"}));
  EXPECT_FALSE(page.Changed);
  Press(page.SaveBtn);  // right after loading there is nothing to save
  Type(page, "\r\nLASTDRIVE=Z");
  EXPECT_TRUE(page.Changed);
  Press(page.SaveBtn);
  ExpectShown(dialogs, {Error("Keine Änderungen durchgeführt, Speicherung unnötig!"), Info("Speicherung abgeschlossen!")});
  EXPECT_EQ(ReadFileBytes(boot.File("Config.sys")), "DEVICE=HIMEM.SYS\r\nFILES=40\r\nBUFFERS=30\r\nLASTDRIVE=Z");
  EXPECT_EQ(ReadFileBytes(boot.File("Config.VLM")), "DEVICE=HIMEM.SYS\nFILES=40\rBUFFERS=30");
  EXPECT_FALSE(page.Changed);
  EXPECT_TRUE(form->AutoStartPageControl->Enabled());
}

TEST_F(TextFilePageTest, AProtectedAutoexecIsSavedAndKeepsItsAttributes) {
  const std::string autoexec = boot.File("Autoexec.bat");
  WriteFileBytes(autoexec, "@ECHO OFF\r\n");
  const DWORD protectedFile = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY;
  SetFileAttributesA(autoexec.c_str(), protectedFile);
  const DWORD before = GetFileAttributesA(autoexec.c_str());
  Open();
  Type(*form->Autoexec, "PATH C:\\WINDOWS\r\n");
  Press(form->Autoexec->SaveBtn);
  EXPECT_EQ(ReadFileBytes(autoexec), "@ECHO OFF\r\nPATH C:\\WINDOWS\r\n");
  EXPECT_EQ(GetFileAttributesA(autoexec.c_str()), before);
  EXPECT_EQ(before & protectedFile, protectedFile);
  EXPECT_FALSE(FileExists(autoexec + ".$$$"));
}

// Each save first writes a complete file beside its place (the backup copy
// "<name>.VLM.$$$", the text "<name>.$$$"): a folder there makes that step
// fail as a full disk would.
TEST_F(TextFilePageTest, AFailedBackupCopyKeepsTheEarlierCopyAndAsksBeforeSavingWithoutOne) {
  const std::string config = boot.File("Config.sys"), copy = boot.File("Config.VLM");
  WriteFileBytes(config, "FILES=40\r\n");
  WriteFileBytes(copy, "FILES=30\r\n");
  Open();
  CreateDirectoryA((copy + ".$$$").c_str(), nullptr);
  Type(*form->Config, "BUFFERS=30\r\n");
  dialogs.Answer({TModalResult::No, TModalResult::Yes});
  Press(form->Config->SaveBtn);
  EXPECT_EQ(ReadFileBytes(config), "FILES=40\r\n");
  EXPECT_TRUE(form->Config->Changed);
  Press(form->Config->SaveBtn);
  RemoveDirectoryA((copy + ".$$$").c_str());
  EXPECT_EQ(ReadFileBytes(config), "FILES=40\r\nBUFFERS=30\r\n");
  EXPECT_EQ(ReadFileBytes(copy), "FILES=30\r\n");
  const std::string question = "Die Sicherungskopie " + copy + " konnte nicht erstellt werden. " + config +
                               " trotzdem ohne Sicherungskopie speichern?";
  ExpectShown(dialogs, {Question(question), Question(question), Info("Speicherung abgeschlossen!")});
}

// The user answered "Ja" to keep the edits: a failed save must not close them away.
TEST_F(TextFilePageTest, AFailedSaveOnCloseKeepsTheWindowOpenWithTheEdits) {
  const std::string config = boot.File("Config.sys");
  WriteFileBytes(config, "FILES=40\r\n");
  Open();
  Type(*form->Config, "BUFFERS=30\r\n");
  CreateDirectoryA((config + ".$$$").c_str(), nullptr);
  dialogs.Answer({TModalResult::Yes});
  form->Close();
  RemoveDirectoryA((config + ".$$$").c_str());
  ExpectShown(dialogs, {Question("Änderungen in Config.sys speichern?"), Error("Speicherung fehlgeschlagen!")});
  ASSERT_NE(form->Handle(), nullptr);
  EXPECT_TRUE(IsWindow(form->Handle()));
  EXPECT_EQ(form->Config->Memo.Text(), "FILES=40\r\nBUFFERS=30\r\n");
  EXPECT_TRUE(form->Config->Changed);
  EXPECT_EQ(ReadFileBytes(config), "FILES=40\r\n");
}

TEST_F(TextFilePageTest, AMissingWinstartIsCreatedWithOrdinaryAttributesAndNoBackupCopy) {
  Open();
  TTextFilePage& page = *form->WinstartBat;
  EXPECT_EQ(page.Path(), GetWinDir() + "\\Winstart.bat");
  Type(page, "C:\\NET\\NET START");
  Press(page.SaveBtn);
  ExpectShown(dialogs, {Info("Speicherung abgeschlossen!")});
  EXPECT_EQ(ReadFileBytes(page.Path()), "C:\\NET\\NET START");
  EXPECT_FALSE(GetFileAttributesA(page.Path().c_str()) &
               (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY));
  EXPECT_FALSE(FileExists(GetWinDir() + "\\Winstart.VLM"));
}

TEST_F(TextFilePageTest, AFailedSaveLeavesTheOldFileWholeAndThePageChanged) {
  CreateDirectoryA(boot.File("Config.sys").c_str(), nullptr);  // nothing can take its place
  Open();
  TTextFilePage& page = *form->Config;
  Type(page, "FILES=40");
  Press(page.SaveBtn);
  ExpectShown(dialogs, {Error("Speicherung fehlgeschlagen!")});
  EXPECT_TRUE(page.Changed);
  EXPECT_EQ(page.Memo.Text(), "FILES=40");
  EXPECT_TRUE(GetFileAttributesA(boot.File("Config.sys").c_str()) & FILE_ATTRIBUTE_DIRECTORY);
  EXPECT_FALSE(FileExists(boot.File("Config.sys.$$$")));
  EXPECT_TRUE(form->AutoStartPageControl->Enabled());
}

TEST_F(TextFilePageTest, ReloadAsksBeforeDroppingChanges) {
  WriteFileBytes(boot.File("Config.sys"), "FILES=40");
  Open();
  TTextFilePage& page = *form->Config;
  Type(page, " neu");
  dialogs.Answer({TModalResult::No});
  Press(page.RefreshBtn);
  EXPECT_EQ(page.Memo.Text(), "FILES=40 neu");
  EXPECT_TRUE(page.Changed);
  dialogs.Answer({TModalResult::Yes});
  Press(page.RefreshBtn);
  EXPECT_EQ(page.Memo.Text(), "FILES=40");
  EXPECT_FALSE(page.Changed);
  ExpectShown(dialogs, {Question("Änderungen für Config.sys verwerfen?"), Question("Änderungen für Config.sys verwerfen?")});
}

TEST_F(TextFilePageTest, AFileWithANulByteIsShownReadOnlyUpToItAndNeverSaved) {
  WriteFileBytes(boot.File("Autoexec.bat"), std::string("@ECHO OFF\r\nREM \0binär", 21));
  Open();
  TTextFilePage& page = *form->Autoexec;
  EXPECT_EQ(page.Memo.Text(), "@ECHO OFF\r\nREM ");
  EXPECT_TRUE(page.Memo.ReadOnly());
  page.Changed = true;
  Press(page.SaveBtn);
  const std::string path = boot.File("Autoexec.bat");
  ExpectShown(dialogs, {Error("Die Datei " + path + " enthält ein Nullzeichen (binäre Daten). Sie wird nur bis dorthin "
                              "und schreibgeschützt angezeigt, damit beim Speichern nichts verloren geht."),
                        Error("Die Datei " + path + " enthält binäre Daten und kann hier nicht gespeichert werden.")});
  EXPECT_EQ(ReadFileBytes(path).size(), 21u);
  WriteFileBytes(path, "@ECHO ON");
  dialogs.Answer({TModalResult::Yes});
  Press(page.RefreshBtn);
  EXPECT_FALSE(page.Memo.ReadOnly());
}

// Stand-ins for the multi-line edit of Windows 95, 98 and ME, which holds
// 64 KB at most: it refuses a longer text, or keeps only its start.
template <bool keepsTheStart>
LRESULT CALLBACK Holding64KB(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (msg != WM_SETTEXT || !IsWindowUnicode(window)) return CallNextSubclass(window, msg, wParam, lParam);
  const std::wstring text = reinterpret_cast<const wchar_t*>(lParam);
  if (text.size() <= 0xFFFF) return CallNextSubclass(window, msg, wParam, lParam);
  if (!keepsTheStart) return FALSE;
  const std::wstring start = text.substr(0, 0xFFFF);
  return CallNextSubclass(window, msg, wParam, reinterpret_cast<LPARAM>(start.c_str()));
}

TEST_F(TextFilePageTest, AFileTooLargeForTheMemoIsShownReadOnlyNotWholeAndNeverSaved) {
  const struct {
    const char* memo;
    SUBCLASSPROC holding;
  } memos[] = {{"keeping its start", Holding64KB<true>},
               {"refusing the text, holding another one", Holding64KB<false>}};
  Open();
  TTextFilePage& page = *form->Config;
  const std::string path = boot.File("Config.sys");
  for (const auto& memo : memos) {
    SCOPED_TRACE(memo.memo);
    std::string big;
    while (big.size() < 100000) big += std::string("REM ") + memo.memo + "\r\n";
    WriteFileBytes(path, big);
    ASSERT_TRUE(AddSubclass(page.Memo.Handle(), memo.holding, 1, 0));
    Press(page.RefreshBtn);
    EXPECT_TRUE(page.Memo.ReadOnly());
    const std::string shown = page.Memo.Text();
    EXPECT_LT(shown.size(), big.size());
    EXPECT_EQ(big.compare(0, shown.size(), shown), 0) << "not the file's start: " << shown.substr(0, 40);
    page.Changed = true;
    Press(page.SaveBtn);
    ExpectShown(dialogs, {Error("Die Datei " + path + " ist für das Textfeld dieser Windows-Version zu groß. Sie wird "
                                "nicht ganz und schreibgeschützt angezeigt, damit beim Speichern nichts verloren geht."),
                          Error("Die Datei " + path + " wird nicht ganz angezeigt und kann hier nicht gespeichert werden.")});
    EXPECT_EQ(ReadFileBytes(path).size(), big.size());
    RemoveSubclass(page.Memo.Handle(), memo.holding, 1);
    dialogs.ClearShown();
    page.Changed = false;
  }
  Press(page.RefreshBtn);  // the memo holds the whole file again
  EXPECT_FALSE(page.Memo.ReadOnly());
  EXPECT_EQ(page.Memo.Text(), ReadFileBytes(path));
}

TEST_F(TextFilePageTest, AOneMegabyteFileIsShownWhole) {
  std::string big;
  while (big.size() < 1 << 20) big += "; eine lange Zeile in einer großen System.ini, damit sie ein MB erreicht\r\n";
  WriteFileBytes(boot.File("Config.sys"), big);
  Open();
  EXPECT_EQ(form->Config->Memo.Text().size(), big.size());
}

// Every line end the file has is shown as CR LF, whether or not the file
// needed a change, and the bytes between them are kept.
TEST(LoadTextFile, GivesEveryLineEndAsCrLf) {
  const std::string longer = std::string(200000, 'x') + "\r\n" + std::string(70000, 'y');  // more than a read
  const struct {
    std::string file, shown;
  } cases[] = {
      {"", ""},
      {"A\r\nB\r\n", "A\r\nB\r\n"},
      {"A\nB", "A\r\nB"},
      {"\nA", "\r\nA"},
      {"A\rB", "A\r\nB"},
      {"A\r\nB\r", "A\r\nB\r\n"},
      {"A\r\r\nB", "A\r\n\r\nB"},
      {"A\n\rB\r\n", "A\r\n\r\nB\r\n"},
      {longer, longer},
  };
  TScratchFolder folder("load-text-file");
  for (const auto& c : cases) {
    WriteFileBytes(folder.File("Config.sys"), c.file);
    TLoadedText loaded;
    ASSERT_TRUE(LoadTextFile(folder.File("Config.sys"), loaded));
    EXPECT_EQ(loaded.text, c.shown) << c.file.substr(0, 20);
    EXPECT_FALSE(loaded.hasNulByte);
  }
  TLoadedText missing;
  EXPECT_FALSE(LoadTextFile(folder.File("Missing.sys"), missing));
}

TEST_F(TextFilePageTest, DosstartCanOnlyBeReloadedOnTheNtFamily) {
  Open();
  TTextFilePage& page = *form->Dosstart;
  EXPECT_EQ(page.Memo.Enabled(), !IsWinNT);
  EXPECT_EQ(page.SaveBtn.Enabled(), !IsWinNT);
  EXPECT_EQ(page.PrintBtn.Enabled(), !IsWinNT);
  EXPECT_TRUE(page.RefreshBtn.Enabled());
  EXPECT_TRUE(form->Config->Memo.Enabled());
}

TEST_F(TextFilePageTest, ClosingAsksAboutEachChangedTextPageInOrder) {
  WriteFileBytes(boot.File("Config.sys"), "FILES=40");
  Open();
  Type(*form->Config, "0");
  Type(*form->Autoexec, "REM");
  dialogs.Answer({TModalResult::No, TModalResult::Yes});
  form->Close();
  ExpectShown(dialogs, {Question("Änderungen in Autoexec.bat speichern?"), Question("Änderungen in Config.sys speichern?"),
                        Info("Speicherung abgeschlossen!")});
  EXPECT_EQ(ReadFileBytes(boot.File("Config.sys")), "FILES=400");
  EXPECT_FALSE(FileExists(boot.File("Autoexec.bat")));
}

}  // namespace
