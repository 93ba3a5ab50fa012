// The msdos.sys page over a boot drive of the test's own.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "app/MainForm.h"
#include "res/resource.h"
#include "support/Tools.h"
#include "tests/FakeInteraction.h"
#include "tests/Press.h"
#include "tests/RegistrySandbox.h"
#include "tests/ScratchBootFolder.h"
#include "tests/ScratchFolder.h"

namespace {

class MsdosPageTest : public testing::Test {
 protected:
  void Open(const std::string& msdos) {
    WriteFileBytes(boot.File("MSDOS.SYS"), msdos);
    form = std::make_unique<TMainForm>();
  }
  TMsdosPage& Page() { return *form->msdossys; }
  bool HasLine(const std::string& line) {
    auto lines = Page().msdosMemo.Lines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }

  TRunKeysSandbox sandbox;
  TFakeInteraction dialogs;
  TScratchBootFolder boot{"msdos-boot"};
  std::unique_ptr<TMainForm> form;
};

TEST(MsdosPadding, FillsToAtLeast1024BytesInLinesOf74) {
  EXPECT_EQ(MsdosPadding(500).size(), 8u * 74);  // 524 / 70 = 7, plus 1
  EXPECT_EQ(MsdosPadding(1023).size(), 74u);
  EXPECT_EQ(MsdosPadding(1024), "");
  EXPECT_EQ(MsdosPadding(5000), "");
  EXPECT_EQ(MsdosPadding(1023), ";" + std::string(71, 'x') + "\r\n");
}

TEST_F(MsdosPageTest, AFileWithoutOptionsGetsThemAllWithDefaultsAndTheFlagIsClearAfterStart) {
  Open("[Paths]\r\nWinDir=C:\\WINDOWS\r\n");
  if (IsWinNT) {
    EXPECT_EQ(Page().msdosMemo.Text(), "");  // the NT family never loads it
    EXPECT_TRUE(Page().NTLabel.Visible());
    EXPECT_FALSE(Page().msdosSaveBtn.Enabled());
    EXPECT_FALSE(Page().msdossysnb.Enabled());
    return;
  }
  EXPECT_FALSE(Page().NTLabel.Visible());
  EXPECT_EQ(Page().msdosMemo.Text(),
            "[Paths]\r\nWinDir=C:\\WINDOWS\r\n[Options]\r\nDoubleBuffer=0\r\nLoadTop=1\r\nDrvSpace=1\r\nDblSpace=1\r\n"
            "AutoScan=1\r\nLogo=1\r\nBootMenuDefault=1\r\nBootMenuDelay=30\r\nBootMulti=0\r\nNetwork=1\r\nBootGUI=1\r\n"
            "BootDelay=2\r\nBootMenu=0\r\nBootKeys=1\r\n");
  EXPECT_TRUE(Page().BootKeysChkBox.Checked());
  EXPECT_FALSE(Page().BootMenuChkBox.Checked());
  EXPECT_TRUE(Page().BootDelayChkBox.Checked());
  EXPECT_EQ(Page().BootDelayEdit.Text(), "2");
  EXPECT_EQ(Page().BootMenuDelayEdit.Text(), "30");
  EXPECT_EQ(Page().BootMenuDefaultRG.ItemIndex(), 0);
  EXPECT_EQ(Page().AutoScanRG.ItemIndex(), 1);
  EXPECT_FALSE(Page().MsdosChanged);
  Press(Page().msdosSaveBtn);
  ExpectShown(dialogs, {Error("Keine Änderungen durchgeführt, Speicherung unnötig!")});
}

TEST_F(MsdosPageTest, ValuesAreReadLikeTheControlsTakeThem) {
  if (IsWinNT) GTEST_SKIP() << "the NT family does not load msdos.sys";
  Open("[Options]\r\nBootMenuDelay=4 5\r\nBootMenuDefault=12\r\nAutoScan=-1\r\nBootDelay=0\r\nBootMenu=\r\n");
  EXPECT_EQ(Page().BootMenuDelayEdit.Text(), "45");
  EXPECT_TRUE(HasLine("BootMenuDelay=45"));
  EXPECT_EQ(Page().BootMenuDefaultRG.ItemIndex(), 7);
  EXPECT_EQ(Page().BootMenuDefaultRG.Item(7), "Vorherige MS-DOS-Version");
  EXPECT_EQ(Page().BootMenuDefaultRG.Item(1), "Protokolliert (\\bootlog.txt)");
  EXPECT_EQ(Page().AutoScanRG.ItemIndex(), 1);
  EXPECT_EQ(Page().AutoScanRG.Item(1), "Ausführen, nach Warnhinweis");
  EXPECT_FALSE(Page().BootDelayChkBox.Checked());
  EXPECT_FALSE(Page().BootDelayEdit.Enabled());
  EXPECT_TRUE(HasLine("BootMenu=0"));
}

TEST_F(MsdosPageTest, ALineOnlyChangesWhenItsControlDoes) {
  if (IsWinNT) GTEST_SKIP() << "the NT family does not load msdos.sys";
  Open("[Options]\r\nbootgui=1\r\nBootGUI =0\r\nBootDelay=zwei\r\n");
  EXPECT_TRUE(HasLine("BootGUI=1"));  // the box went from off to on
  EXPECT_TRUE(HasLine("BootGUI =0"));  // not the key's line: stays
  EXPECT_TRUE(HasLine("BootDelay=zwei"));  // no number: stays, and the fill goes on
  EXPECT_TRUE(HasLine("DoubleBuffer=0"));
  // Edited in the source and shown again: the box is on already, the line stays.
  Press(Page().msdossyssourceBtn);
  EXPECT_EQ(Page().msdossyssourceBtn.Text(), "&Grafisch bearbeiten");
  EXPECT_EQ(Page().msdossysnb.PageIndex(), TMsdosPage::kSource);
  std::string text = Page().msdosMemo.Text();
  text.replace(text.find("BootGUI=1"), 9, "bootgui=1");
  Page().msdosMemo.SetText(text);
  Press(Page().msdossyssourceBtn);
  EXPECT_EQ(Page().msdossyssourceBtn.Text(), "&Quelltext bearbeiten");
  EXPECT_EQ(Page().msdossysnb.PageIndex(), TMsdosPage::kGraphical1);
  EXPECT_TRUE(HasLine("bootgui=1"));
  EXPECT_TRUE(Page().MsdosChanged);
}

TEST_F(MsdosPageTest, ControlsWriteTheirValuesAtOnce) {
  if (IsWinNT) GTEST_SKIP() << "the NT family does not load msdos.sys";
  Open("[Options]\r\nBootDelay=5\r\n");
  Press(Page().BootDelayChkBox);  // off: writes 0 and disables the delay
  EXPECT_TRUE(HasLine("BootDelay=0"));
  EXPECT_FALSE(Page().BootDelayEdit.Enabled());
  Press(Page().BootDelayChkBox);  // on again: writes nothing
  EXPECT_TRUE(HasLine("BootDelay=0"));
  EXPECT_TRUE(Page().BootDelayEdit.Enabled());
  Page().BootDelayEdit.SetText("45");  // held within 0 to 30
  EXPECT_TRUE(HasLine("BootDelay=30"));
  EXPECT_EQ(Page().BootDelayEdit.Text(), "30");
  Press(Page().LogoChkBox);
  EXPECT_TRUE(HasLine("Logo=0"));
  SendMessageA(GetDlgItem(Page().msdossysnb.Page(TMsdosPage::kGraphical2).Handle(), IDC_AUTOSCAN_ITEM0 + 2), BM_CLICK,
               0, 0);
  EXPECT_TRUE(HasLine("AutoScan=2"));
  Page().BootMenuDefaultRG.SetItemIndex(3);
  EXPECT_TRUE(HasLine("BootMenuDefault=4"));
  EXPECT_TRUE(Page().MsdosChanged);
  Press(Page().MoreBtn1);
  EXPECT_EQ(Page().msdossysnb.PageIndex(), TMsdosPage::kGraphical2);
  Press(Page().MoreBtn2);
  EXPECT_EQ(Page().msdossysnb.PageIndex(), TMsdosPage::kGraphical1);
}

TEST_F(MsdosPageTest, SavePadsTheFileKeepsItsAttributesAndMakesABackupCopy) {
  if (IsWinNT) GTEST_SKIP() << "the NT family does not save msdos.sys";
  const std::string original = "[Options]\r\nBootGUI=1\r\n";
  Open(original);
  const std::string path = boot.File("MSDOS.SYS");
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY);
  const DWORD before = GetFileAttributesA(path.c_str());
  std::string text(500, ';');
  Page().msdosMemo.SetText(text);
  Press(Page().msdosSaveBtn);
  ExpectShown(dialogs, {Info("Speicherung abgeschlossen!")});
  const std::string saved = ReadFileBytes(path);
  EXPECT_EQ(saved.size(), 500u + 2 + 8 * 74);  // a line break before the padding
  EXPECT_EQ(saved.substr(0, 502), text + "\r\n");
  EXPECT_EQ(GetFileAttributesA(path.c_str()), before);
  EXPECT_EQ(Page().msdosMemo.Text(), text);  // the padding is in the file only
  EXPECT_FALSE(Page().MsdosChanged);
  EXPECT_NE(ReadFileBytes(boot.File("msdos.VLM")).find("BootGUI=1"), std::string::npos);
  Page().msdosMemo.SetText(std::string(1022, 'a') + "\r\n");
  Press(Page().msdosSaveBtn);
  EXPECT_EQ(ReadFileBytes(path).size(), 1024u);
}

TEST_F(MsdosPageTest, ReloadAsksBeforeDroppingChangesAndDoesNothingOnNT) {
  Open("[Options]\r\nLogo=1\r\n");
  Page().msdosMemo.SetText("[Options]\r\nLogo=0\r\n");
  Page().MsdosChanged = true;
  if (IsWinNT) {
    Page().msdosRefreshBtnClick();
    ExpectShown(dialogs, {});
    return;
  }
  dialogs.Answer({TModalResult::No, TModalResult::Yes});
  Press(Page().msdosRefreshBtn);
  EXPECT_TRUE(HasLine("Logo=0"));
  Press(Page().msdosRefreshBtn);
  EXPECT_TRUE(HasLine("Logo=1"));
  EXPECT_FALSE(Page().MsdosChanged);
  ExpectShown(dialogs, {Question("Änderungen für msdos.sys verwerfen?"), Question("Änderungen für msdos.sys verwerfen?")});
}

// Other programs' comments may make msdos.sys large: filling the page must
// stay linear in its size, or the program shows no window for minutes. The
// edit control alone takes its time for a large text (seconds under Wine on
// a busy machine): filling may cost about as much as setting the memo's
// text twice, not once per option.
TEST_F(MsdosPageTest, ALargeFileFillsThePageAtAboutTheCostOfShowingItsText) {
  if (IsWinNT) GTEST_SKIP() << "the NT family never loads msdos.sys";
  Open("[Options]\r\n");
  std::string msdos = "[Options]\r\nBootGUI=0\r\n";
  const std::string comment = ";" + std::string(70, 'x') + "\r\n";
  while (msdos.size() < 4'000'000) msdos += comment;  // one per option took minutes at 10 MB
  WriteFileBytes(boot.File("MSDOS.SYS"), msdos);
  DWORD start = GetTickCount();
  Page().msdosRefreshBtnClick();
  const DWORD fill = GetTickCount() - start;
  EXPECT_FALSE(Page().BootGUIChkBox.Checked());
  EXPECT_EQ(Page().msdosMemo.Text().size(), msdos.size() + 169);  // the thirteen missing options with their defaults
  EXPECT_FALSE(Page().MsdosChanged);
  start = GetTickCount();
  Page().msdosMemo.SetText(msdos);
  const DWORD showText = GetTickCount() - start;
  EXPECT_LT(fill, 2 * showText + 1000);
}

}  // namespace
