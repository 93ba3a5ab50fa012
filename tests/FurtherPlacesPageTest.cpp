// The page of the further places: what it lists, what the 9x family sees,
// and its export read back by Wine's regedit.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/MainForm.h"
#include "support/Tools.h"
#include "support/WindowsVersion.h"
#include "tests/FakeInteraction.h"
#include "tests/Press.h"
#include "tests/ScratchFolder.h"
#include "tests/SeededRegistry.h"

namespace {

const std::string kIfeo =
    "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Image File Execution Options\\velmora-page.exe";
const std::string kSessionManager = "SYSTEM\\CurrentControlSet\\Control\\Session Manager";
// Below HKEY_CURRENT_USER: the 32-bit regedit that imports under WoW64
// writes a machine's SOFTWARE key into the 32-bit view.
const std::string kUserWinlogon = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";

std::string Multi(const std::vector<std::string>& texts) {
  std::string bytes;
  for (const std::string& text : texts) bytes += text + '\0';
  return bytes + '\0';
}

const std::vector<TSeed> kSeeds = {
    {HKEY_LOCAL_MACHINE, kIfeo, {"Debugger", "C:\\Fremd\\statt.exe"}},
    {HKEY_LOCAL_MACHINE, kSessionManager, {"BootExecute", Multi({"autocheck autochk *", "fremd x"}), REG_MULTI_SZ}},
    {HKEY_CURRENT_USER, kUserWinlogon, {"Shell", "\"%SystemRoot%\\ts.exe\" /x", REG_EXPAND_SZ}},
};

// The blocks of a REGEDIT4 text whose key is one of the seeds'.
std::string KeysOfSeeds(const std::string& text) {
  std::string kept = "REGEDIT4\r\n\r\n";
  for (size_t start = text.find("\r\n["); start != std::string::npos;) {
    const size_t end = text.find("\r\n\r\n", start);
    const std::string block = text.substr(start + 2, end - start);
    for (const TSeed& seed : kSeeds) {
      const std::string root = seed.root == HKEY_CURRENT_USER ? "HKEY_CURRENT_USER\\" : "HKEY_LOCAL_MACHINE\\";
      if (block.rfind("[" + root + seed.subKey + "]", 0) == 0) kept += block + "\r\n";
    }
    start = text.find("\r\n[", end);
  }
  return kept;
}

class FurtherPlacesPageTest : public testing::Test {
 protected:
  TFakeInteraction dialogs;
  std::vector<std::unique_ptr<TSeededValue>> seeded = StoreSeeds(kSeeds);
  TMainForm form;

  TFurtherPlacesPage& Page() { return *form.FurtherPlaces; }
  // "location | value | warning" of each row whose location holds part.
  std::vector<std::string> RowsAt(const std::string& part) {
    std::vector<std::string> rows;
    TListView& view = Page().PlacesView;
    for (int i = 0; i < view.Count(); ++i)
      if (view.Caption(i).find(part) != std::string::npos)
        rows.push_back(view.Caption(i) + " | " + view.SubItem(i) + " | " + view.SubItem2(i));
    return rows;
  }
};

TEST_F(FurtherPlacesPageTest, ListsEachPlaceWithItsValueAndWarningOnTheNtFamilyAndOneLineOnTheNineXFamily) {
  if (!IsWinNT) {
    EXPECT_EQ(Page().CaptionLabel.Text(), "Diese Orte gibt es nur unter Windows NT, 2000, XP und neuer.");
    EXPECT_EQ(Page().PlacesView.Count(), 0);
    EXPECT_FALSE(Page().PlacesView.Enabled());
    EXPECT_FALSE(Page().ExportBtn.Enabled());
    EXPECT_FALSE(Page().RefreshBtn.Enabled());
    return;
  }
  EXPECT_EQ(Page().CaptionLabel.Text(),
            "Weitere Orte, von denen Windows Programme startet (nur Anzeige, hier nicht änderbar)");
  EXPECT_EQ(RowsAt("velmora-page.exe"),
            std::vector<std::string>{"HKEY_LOCAL_MACHINE\\" + kIfeo +
                                     "\\Debugger | C:\\Fremd\\statt.exe | Startet statt des Programms"});
  EXPECT_EQ(RowsAt("Session Manager"),
            std::vector<std::string>{"HKEY_LOCAL_MACHINE\\" + kSessionManager +
                                     "\\BootExecute | autocheck autochk *; fremd x | Mehr als autocheck autochk *"});
  EXPECT_EQ(RowsAt("HKEY_CURRENT_USER"),
            std::vector<std::string>{"HKEY_CURRENT_USER\\" + kUserWinlogon +
                                     "\\Shell | \"%SystemRoot%\\ts.exe\" /x | Nicht von Windows"});
  EXPECT_TRUE(Page().ExportBtn.Enabled());
  const std::vector<TCommand> commands = Page().PlacesViewCommands();
  ASSERT_EQ(commands.size(), 2u);
  EXPECT_EQ(commands[0].caption, "&Export");
  EXPECT_EQ(commands[1].caption, "&Ansicht aktualisieren");
  EXPECT_EQ(commands[1].key, TListKey::Refresh);
  ExpectShown(dialogs, {});
}

// The seeds are removed after the export; regedit brings them back exactly.
TEST_F(FurtherPlacesPageTest, RegeditImportsTheExportBackToTheSameValues) {
  if (!IsWinNT) GTEST_SKIP() << "the 9x family lists none of these places (see the test above)";
  TScratchFolder folder("further");
  const std::string file = folder.File("weitere.reg");
  std::vector<std::vector<TStoredValue>> before;
  for (const TSeed& seed : kSeeds) before.push_back(StoredValues(seed.root, seed.subKey, seed.view));
  dialogs.ChooseFile(file);
  Press(Page().ExportBtn);
  ExpectShown(dialogs, {Info("Speicherung abgeschlossen!")});
  const std::string text = ReadFileBytes(file);
  EXPECT_EQ(text.rfind("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\", 0), 0u) << text;
  EXPECT_NE(text.find("\"BootExecute\"=hex(7):61,75,74,6f"), std::string::npos) << text;
  for (const TSeed& seed : kSeeds) DeleteValue(seed.root, seed.subKey, seed.value.name, seed.view);
  // Only the seeds' keys go back: the rest of the list is the shared prefix's.
  const std::string seedsFile = folder.File("seeds.reg");
  WriteFileBytes(seedsFile, KeysOfSeeds(text));
  ImportWithRegedit(seedsFile);
  for (size_t i = 0; i < kSeeds.size(); ++i)
    EXPECT_EQ(StoredValues(kSeeds[i].root, kSeeds[i].subKey, kSeeds[i].view), before[i]) << kSeeds[i].subKey;
}

}  // namespace
