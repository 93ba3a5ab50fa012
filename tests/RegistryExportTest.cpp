// "Export" on the Registry page, and the file read back by Wine's regedit.
#include <algorithm>

#include "support/Tools.h"
#include "support/WindowsVersion.h"
#include "tests/RegistryPageFixture.h"
#include "tests/ScratchFolder.h"
#include "tests/SeededRegistry.h"

namespace {

class RegistryExportTest : public RegistryPageTest {
 protected:
  TScratchFolder folder{"export"};
};

TEST_F(RegistryExportTest, WritesTheRowsShownWithUnsavedChangesThroughTheSaveDialog) {
  Store(kHKLMRun, "Zwei", "C:\\b.exe");
  Store(kHKLMRun, "Eins", "C:\\a\\\"x\".exe");
  Store(kHKLMRun, "Weg", "weg.exe");
  Open();
  Select("Weg");
  dialogs.Answer({TModalResult::Yes});
  Press(Page().RemoveRegBtn);
  AddUnsavedRow("Drei", "d.exe");
  Page().RegViewColumnClick(1);  // the file follows the order shown
  dialogs.ClearShown();
  const std::string file = folder.File("run.reg");
  dialogs.ChooseFile(file);
  Press(Page().RegExportBtn);
  ExpectShown(dialogs, {Info("Speicherung abgeschlossen!")});
  EXPECT_EQ(ReadFileBytes(file),
            "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Run]\r\n"
            "\"Eins\"=\"C:\\\\a\\\\\\\"x\\\".exe\"\r\n\"Zwei\"=\"C:\\\\b.exe\"\r\n\"Drei\"=\"d.exe\"\r\n\r\n");
  EXPECT_TRUE(Page().RegChanged);
  ASSERT_EQ(dialogs.FileDialogs().size(), 1u);
  const TFileDialogShown& shown = dialogs.FileDialogs()[0];
  EXPECT_TRUE(shown.save);
  EXPECT_EQ(shown.proposedName, "");
  EXPECT_EQ(shown.request.defaultExt, "reg");
  EXPECT_EQ(shown.request.filter, "Registrierungsdateien (*.reg)|*.reg|Alle  Dateien (*.*)|*.*");
  EXPECT_EQ(shown.request.options,
            static_cast<unsigned long>(OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST |
                                       OFN_NOREADONLYRETURN | OFN_NODEREFERENCELINKS | OFN_ENABLESIZING));
  EXPECT_TRUE(form->AutoStartPageControl->Enabled());
}

TEST_F(RegistryExportTest, CancelWritesNothingAndAnEmptyListIsRefusedBeforeTheDialog) {
  Store(kHKLMRun, "A", "a.exe");
  Open();
  dialogs.ChooseFile(std::nullopt);
  Press(Page().RegExportBtn);
  ExpectShown(dialogs, {});
  Select("A");
  dialogs.Answer({TModalResult::Yes});
  Press(Page().RemoveRegBtn);
  dialogs.ClearShown();
  Page().RegExportBtnClick();
  ExpectShown(dialogs, {Info("Es kann nichts exportiert werden, da die Liste leer ist!")});
  EXPECT_EQ(dialogs.FileDialogs().size(), 1u);
  EXPECT_TRUE(form->AutoStartPageControl->Enabled());
}

TEST_F(RegistryExportTest, AFileThatCannotBeCreatedOrWrittenIsReported) {
  Store(kHKLMRun, "A", "a.exe");
  Open();
  const std::string noFolder = folder.File("fehlt\\run.reg");
  dialogs.ChooseFile(noFolder);
  Press(Page().RegExportBtn);
  dialogs.ChooseFile("Z:\\dev\\full");  // a device that takes no data
  Press(Page().RegExportBtn);
  ExpectShown(dialogs,
              {Error("Kann Datei " + noFolder + " nicht anlegen."),
               Error("Kann Datei Z:\\dev\\full nicht vollständig schreiben. Die Datei ist unbrauchbar.")});
}

TEST_F(RegistryExportTest, ANameWithALineBreakIsRefusedBeforeAnythingIsWritten) {
  Store(kHKLMRun, "Zeile\r\nzwei", "a.exe");
  Open();
  Press(Page().RegExportBtn);
  ExpectShown(dialogs, {Error("Der Eintrag \"Zeile\r\nzwei\" enthält einen Zeilenumbruch im Namen und kann nicht "
                              "in eine Reg-Datei exportiert werden. Es wurde nichts exportiert.")});
  EXPECT_TRUE(dialogs.FileDialogs().empty());
}

TEST_F(RegistryExportTest, RegeditImportsTheExportBackToTheSameValues) {
  TScratchKey scratch("Export");
  const std::vector<TStoredValue> values = {
      {"", "C:\\Standard\\std.exe", REG_SZ},
      {"Pfad \"mit\" \\Zeichen\\", "\"C:\\Program Files\\Tool\\t.exe\" /a \"b\\\"", REG_SZ},
      {"Tab\tÄrger", "x\ty\tä ö ü ß", REG_SZ},
      {"Umbruch", "Zeile eins\r\nZeile zwei", REG_SZ},
      {"Erweitert", "%SystemRoot%\\system32\\w.exe", REG_EXPAND_SZ},
  };
  for (const TStoredValue& value : values) StoreValue(HKEY_CURRENT_USER, scratch.SubKey(), value);
  Open();
  Page().LoadRegKey("HKEY_CURRENT_USER\\" + scratch.SubKey());
  ASSERT_EQ(View().Count(), 5);
  const std::string file = folder.File("rundreise.reg");
  dialogs.ChooseFile(file);
  Press(Page().RegExportBtn);
  DeleteAllValues(HKEY_CURRENT_USER, scratch.SubKey());
  ImportWithRegedit(file);
  auto byName = [](std::vector<TStoredValue> list) {
    std::sort(list.begin(), list.end(), [](auto& a, auto& b) { return a.name < b.name; });
    return list;
  };
  EXPECT_EQ(byName(StoredValues(HKEY_CURRENT_USER, scratch.SubKey())), byName(values));
}

TEST_F(RegistryExportTest, RegeditImportsTheExportOfThe32BitViewBackIntoThatView) {
  if (!IsWin64()) return;  // only 64-bit Windows has the view and its button
  const std::string subKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  StoreValue(HKEY_LOCAL_MACHINE, subKey, {"Alt32", "C:\\alt\\a.exe"}, KEY_WOW64_32KEY);
  Open();
  Press(Page().HKLMRun32Btn);
  const std::string file = folder.File("run32.reg");
  dialogs.ChooseFile(file);
  Press(Page().RegExportBtn);
  DeleteAllValues(HKEY_LOCAL_MACHINE, subKey, KEY_WOW64_32KEY);
  ImportWithRegedit(file);
  EXPECT_EQ(StoredValues(HKEY_LOCAL_MACHINE, subKey, KEY_WOW64_32KEY),
            (std::vector<TStoredValue>{{"Alt32", "C:\\alt\\a.exe"}}));
  EXPECT_TRUE(StoredValues(HKEY_LOCAL_MACHINE, subKey, KEY_WOW64_64KEY).empty());
}

// A REGEDIT4 file is ANSI text: an entry whose program has no ANSI form
// would be imported with '?' in its path, so it is left out and named.
TEST_F(RegistryExportTest, AnEntryTheAnsiCodePageCannotCarryIsLeftOutAndNamed) {
  if (!IsWinNT) GTEST_SKIP() << "the 9x family's registry holds ANSI text only";
  StoreForeignEntry("Fremd");
  Store(kHKLMRun, "Eins", "a.exe");
  Open();
  const std::string file = folder.File("run.reg");
  dialogs.ChooseFile(file);
  Press(Page().RegExportBtn);
  ExpectShown(dialogs, {Info("Speicherung abgeschlossen!"),
                        Error("Nicht exportiert: \"Fremd\". Diese Einträge enthalten Zeichen, die eine "
                              "REGEDIT4-Datei nicht aufnehmen kann.")});
  EXPECT_EQ(ReadFileBytes(file), "REGEDIT4\r\n\r\n[" + kHKLMRun + "]\r\n\"Eins\"=\"a.exe\"\r\n\r\n");
}

}  // namespace
