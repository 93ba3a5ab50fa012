// What a logon starts, shown with Wine's own logon (a plain wineboot starts
// the machine's and the user's Run values and the user's start-up folder):
// an entry switched off on the pages is not started, and is started again
// once it is on.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <string>
#include <vector>

#include "app/MainForm.h"
#include "support/SheLink.h"
#include "support/Tools.h"
#include "tests/CheckBoxClick.h"
#include "tests/FakeInteraction.h"
#include "tests/Press.h"
#include "tests/RegistrySandbox.h"
#include "tests/ScratchStartupFolder.h"
#include "toolkit/Application.h"

namespace {

constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr DWORD kStartTimeout = 20000;

class LogonTest : public testing::Test {
 protected:
  LogonTest() { CoInitialize(nullptr); }
  ~LogonTest() override {
    WaitForMarkersToEnd();
    CoUninitialize();
  }

  // A copy of the marker program under its own name; it marks "<path>.started".
  std::string Marker(const std::string& name) {
    const std::string program = programs.File(name + ".exe");
    CopyFileA((ExtractFilePath(ProgramFileName()) + "velmora_marker.exe").c_str(), program.c_str(), FALSE);
    return program;
  }
  static bool Started(const std::string& program) { return FileExists(program + ".started"); }
  static bool WaitUntilStarted(const std::string& program) {
    for (DWORD waited = 0; waited < kStartTimeout; waited += 100, Sleep(100))
      if (Started(program)) return true;
    return false;
  }
  // Runs the logon and waits for it, and for the control entry, which is
  // always on: once it has marked, the logon has started everything it
  // was going to start.
  void Logon() {
    for (const std::string& program : {control, machineRun, userRun, link}) DeleteFileA((program + ".started").c_str());
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process;
    std::string command = "wineboot.exe";
    ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
    WaitForSingleObject(process.hProcess, 60000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    ASSERT_TRUE(WaitUntilStarted(control)) << "the logon started nothing";
  }
  // As the user does it: the Run values by ticking or clearing their boxes on
  // the Registry page and saving, the shortcut by its box on the Autostart
  // page, which acts at once. A page acts on a box once the message loop
  // runs again.
  static void Tick(TReportListView& view, const std::string& caption, bool on) {
    for (int i = 0; i < view.Count(); ++i)
      if (view.Caption(i) == caption && view.Checked(i) != on) ClickCheckBox(view, i);
    Application().ProcessMessages();
  }
  static void SwitchOnThePages(TMainForm& form, bool on) {
    TRegistryPage& registry = *form.WinReg;
    Tick(registry.RegView, "Maschine", on);
    Press(registry.SaveRegBtn);
    Press(registry.HKCURunBtn);
    Tick(registry.RegView, "Nutzer", on);
    Press(registry.SaveRegBtn);
    Press(registry.HKLMRunBtn);
    Tick(form.Startup->AutoStartFolderLV, "Marker.lnk", on);
  }
  // A marker that still runs cannot be removed with the scratch folder.
  void WaitForMarkersToEnd() { Sleep(300); }

  TRunKeysSandbox sandbox;
  TFakeInteraction dialogs;
  TScratchStartupFolder startupFolder{"logon-startup"};
  TScratchFolder programs{"logon-programs"};
  const std::string control = Marker("Kontrolle"), machineRun = Marker("MaschinenRun"), userRun = Marker("NutzerRun"),
                    link = Marker("Verknuepfung");
};

TEST_F(LogonTest, SwitchedOffEntryIsNotStartedAndStartsAgainOnceSwitchedOn) {
  StoreString(HKEY_CURRENT_USER, kRunKey, "Kontrolle", "\"" + control + "\"");
  StoreString(HKEY_LOCAL_MACHINE, kRunKey, "Maschine", "\"" + machineRun + "\"");
  StoreString(HKEY_CURRENT_USER, kRunKey, "Nutzer", "\"" + userRun + "\"");
  TShellLink().CreateLink(startupFolder.File("Marker.lnk"), link);
  TMainForm form;
  SwitchOnThePages(form, false);
  ASSERT_FALSE(FileExists(startupFolder.File("Marker.lnk")));

  Logon();
  Sleep(500);  // time a wrongly started entry would have had to mark
  EXPECT_FALSE(Started(machineRun)) << "HKLM Run value switched off";
  EXPECT_FALSE(Started(userRun)) << "HKCU Run value switched off";
  EXPECT_FALSE(Started(link)) << "shortcut switched off";

  SwitchOnThePages(form, true);

  Logon();
  EXPECT_TRUE(WaitUntilStarted(machineRun)) << "HKLM Run value switched on";
  EXPECT_TRUE(WaitUntilStarted(userRun)) << "HKCU Run value switched on";
  EXPECT_TRUE(WaitUntilStarted(link)) << "shortcut switched on";
  const TShownMessage saved = Info("Speicherung abgeschlossen!");
  ExpectShown(dialogs, {saved, saved, saved, saved});
}

}  // namespace
