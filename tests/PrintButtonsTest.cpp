// "Drucken" on the text pages, with the printer of the test bench.
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

namespace {

class PrintButtonsTest : public testing::Test {
 protected:
  PrintButtonsTest() {
    WriteFileBytes(boot.File("Config.sys"), "FILES=40\r\nBUFFERS=30\r\n");
    WriteFileBytes(boot.File("MSDOS.SYS"), "[Options]\r\n");
    form = std::make_unique<TMainForm>();
  }
  std::vector<std::string> WinIniOnDisk() {
    TLoadedText loaded;
    LoadTextFile(GetWinDir() + "\\Win.ini", loaded);
    return SplitCrLfLines(loaded.text);
  }

  TRunKeysSandbox sandbox;
  TFakeInteraction dialogs;
  TScratchBootFolder boot{"print-boot"};
  TKeptValue run{HKEY_CURRENT_USER, "Software\\Microsoft\\Windows NT\\CurrentVersion\\Windows", "run"};
  std::unique_ptr<TMainForm> form;
};

TEST_F(PrintButtonsTest, AMemoPagePrintsWhatItShowsOnceForEachCopy) {
  form->Config->Memo.SetText("FILES=40\r\nBUFFERS=30\r\nLASTDRIVE=Z");  // unsaved
  dialogs.ChoosePrinter(TPrintDialogResult::Chosen, 2);
  Press(form->Config->PrintBtn);
  const std::vector<std::string> shown = {"FILES=40", "BUFFERS=30", "LASTDRIVE=Z"};
  EXPECT_EQ(dialogs.printJobs, (std::vector<std::vector<std::string>>{shown, shown}));
  EXPECT_TRUE(form->Config->Changed);
}

TEST_F(PrintButtonsTest, AnEmptyPageShowsNoDialog) {
  form->WinstartBat->Memo.SetText("");
  Press(form->WinstartBat->PrintBtn);
  EXPECT_EQ(dialogs.printDialogs, 0);
  ExpectShown(dialogs, {});
}

TEST_F(PrintButtonsTest, WinIniPrintsTheFileFromDiskAfterOfferingToSave) {
  form->WinIni->RunEdit.SetText("C:\\NEU.EXE");
  dialogs.Answer({TModalResult::No});
  dialogs.ChoosePrinter(TPrintDialogResult::Chosen, 1);
  Press(form->WinIni->WinIniPrintBtn);
  EXPECT_TRUE(form->WinIni->WinIniChanged);
  dialogs.Answer({TModalResult::Yes});
  dialogs.ChoosePrinter(TPrintDialogResult::Chosen, 1);
  Press(form->WinIni->WinIniPrintBtn);
  EXPECT_FALSE(form->WinIni->WinIniChanged);
  ExpectShown(dialogs, {Question("Änderungen in Win.ini vor dem Ausdruck speichern?"),
                        Question("Änderungen in Win.ini vor dem Ausdruck speichern?"), Info("Speicherung abgeschlossen!")});
  ASSERT_EQ(dialogs.printJobs.size(), 2u);
  EXPECT_EQ(dialogs.printJobs[1], WinIniOnDisk());
  DeleteFileA((GetWinDir() + "\\Win.VLM").c_str());
}

TEST_F(PrintButtonsTest, AnUnreadableWinIniIsReportedAndNothingPrinted) {
  const std::string winIni = GetWinDir() + "\\Win.ini", aside = GetWinDir() + "\\Win.ini.beiseite";
  ASSERT_TRUE(MoveFileA(winIni.c_str(), aside.c_str()));
  Press(form->WinIni->WinIniPrintBtn);
  MoveFileA(aside.c_str(), winIni.c_str());
  ExpectShown(dialogs, {Error("Konnte Win.ini nicht laden. Ausdruck unmöglich!")});
  EXPECT_EQ(dialogs.printDialogs, 0);
}

TEST_F(PrintButtonsTest, NoPrinterIsReported) {
  dialogs.ChoosePrinter(TPrintDialogResult::Failed);
  Press(form->Config->PrintBtn);
  ExpectShown(dialogs, {Error("Konnte nicht auf Drucker zugreifen! Ist überhaupt ein Drucker installiert?")});
}

TEST_F(PrintButtonsTest, MsdosSysPrintsItsSourceWithTheLinesTheControlsWrote) {
  if (IsWinNT) GTEST_SKIP() << "the NT family neither loads nor prints msdos.sys";
  dialogs.ChoosePrinter(TPrintDialogResult::Chosen, 1);
  Press(form->msdossys->msdossysPrintBtn);
  ASSERT_EQ(dialogs.printJobs.size(), 1u);
  EXPECT_EQ(dialogs.printJobs[0], form->msdossys->msdosMemo.Lines());
  EXPECT_EQ(dialogs.printJobs[0].size(), 15u);  // the header and the fourteen keys the fill wrote
}

}  // namespace
