// Entries Windows 8 and later have switched off: the values that say so, and
// the "Status" column and check of the Registry page. Before Windows 8 none
// of it shows; the test program that Wine presents as Windows 8 shows it.
#include <string>
#include <vector>

#include "registry/StartupStatus.h"
#include "support/StartupApproved.h"
#include "support/WindowsVersion.h"
#include "tests/RegistryPageFixture.h"
#include "tests/ScratchFolder.h"

namespace {

// 08.12.2026 10:15 local time as the FILETIME (UTC) Windows writes.
uint64_t UtcOf(const SYSTEMTIME& localTime) {
  FILETIME local, utc;
  SystemTimeToFileTime(&localTime, &local);
  LocalFileTimeToFileTime(&local, &utc);
  return static_cast<uint64_t>(utc.dwHighDateTime) << 32 | utc.dwLowDateTime;
}

// The suites here branch on the Windows version: the test programs must
// really see the versions their names promise.
TEST(StartupApproved, OnlyTheProgramPresentedAsWindows8IsWindows8OrLater) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  EXPECT_EQ(IsWin8OrLater(), std::string(path).find("_win8.exe") != std::string::npos) << path;
}

TEST(StartupApproved, TheFirstByteSaysOnOrOffAndTheNextEightWhenItWasSwitchedOff) {
  const std::string time = std::string("\x08\x07\x06\x05\x04\x03\x02\x01", 8);
  const struct {
    std::string bytes;
    bool switchedOff;
    uint64_t at;
  } cases[] = {
      {"", false, 0},
      {std::string("\x02\0\0\0", 4) + std::string(8, '\0'), false, 0},
      {std::string("\x06\0\0\0", 4) + time, false, 0},  // on: a time there means nothing
      {std::string("\x03\0\0\0", 4) + time, true, 0x0102030405060708},
      {std::string("\x07\0\0\0", 4) + time, true, 0x0102030405060708},
      {std::string("\x03\0\0\0", 4) + time.substr(0, 7), true, 0},  // cut short: no time
      {"\x03", true, 0},
  };
  for (const auto& c : cases) {
    TStartupApproval approval = DecodeStartupApproval(c.bytes);
    EXPECT_EQ(approval.switchedOff, c.switchedOff) << testing::PrintToString(c.bytes);
    EXPECT_EQ(approval.switchedOffAt, c.at) << testing::PrintToString(c.bytes);
  }
}

TEST(StartupApproved, ReadsTheBinaryValuesOfOneListWhateverTheCaseOfTheName) {
  TStartupApprovedValues values;
  const SYSTEMTIME when = LocalTime(2026, 12, 8, 10, 15);
  values.SwitchOff(HKEY_CURRENT_USER, "Run", "Aus", when);
  values.SwitchOn(HKEY_CURRENT_USER, "Run", "An");
  values.Store(HKEY_CURRENT_USER, "Run", {"Text", "\x03", REG_SZ});
  values.SwitchOff(HKEY_CURRENT_USER, "Run32", "Anderswo", when);
  TStartupApprovals run(HKEY_CURRENT_USER, TApprovalList::Run);
  EXPECT_TRUE(run.Of(L"aUS").switchedOff);
  EXPECT_EQ(run.Of(L"Aus").switchedOffAt, UtcOf(when));
  for (const wchar_t* on : {L"An", L"Text", L"Anderswo", L"Fehlt"}) EXPECT_FALSE(run.Of(on).switchedOff) << on;
  EXPECT_TRUE(TStartupApprovals(HKEY_CURRENT_USER, TApprovalList::Run32).Of(L"Anderswo").switchedOff);
  EXPECT_FALSE(TStartupApprovals(HKEY_LOCAL_MACHINE, TApprovalList::StartupFolder).Of(L"Aus").switchedOff);
}

TEST(StartupApproved, TheStatusSaysActiveOrSinceWhenInLocalTime) {
  EXPECT_EQ(StartupStatusText(TStartupApproval{}), "aktiv");
  EXPECT_EQ(StartupStatusText(TStartupApproval{true, 0}), "deaktiviert");
  EXPECT_EQ(StartupStatusText(TStartupApproval{true, UtcOf(LocalTime(2026, 12, 8, 10, 15))}),
            "deaktiviert seit 08.12.2026 10:15");
  EXPECT_EQ(StartupStatusText(TStartupApproval{true, UtcOf(LocalTime(2013, 1, 2, 3, 4))}),
            "deaktiviert seit 02.01.2013 03:04");
}

class RegistryStatusTest : public RegistryPageTest {
 protected:
  TStartupApprovedValues approved;
  const SYSTEMTIME when = LocalTime(2026, 12, 8, 10, 15);
  const std::string since = "deaktiviert seit 08.12.2026 10:15";

  // The rows as shown: "name=status".
  std::vector<std::string> Statuses() {
    std::vector<std::string> rows;
    for (int i = 0; i < View().Count(); ++i) rows.push_back(View().Caption(i) + "=" + View().SubItem2(i));
    return rows;
  }
  int Columns() { return Header_GetItemCount(ListView_GetHeader(View().Handle())); }
};

TEST_F(RegistryStatusTest, EachRunKeyShowsWhatWindowsSwitchedOffFromWindows8On) {
  Store(kHKLMRun, "An", "an.exe");
  Store(kHKLMRun, "Aus", "aus.exe");
  Store(kHKLMRun, "Ohne", "ohne.exe");
  Store(kHKCURun, "Benutzer", "b.exe");
  Store(kHKCURunOnce, "Einmal", "e.exe");
  approved.SwitchOn(HKEY_LOCAL_MACHINE, "Run", "An");
  approved.SwitchOff(HKEY_LOCAL_MACHINE, "Run", "AUS", when);
  approved.SwitchOff(HKEY_LOCAL_MACHINE, "Run", "Verwaist", when);  // no such entry: changes nothing
  approved.SwitchOff(HKEY_CURRENT_USER, "Run", "Benutzer", when);
  approved.SwitchOff(HKEY_CURRENT_USER, "Run", "Einmal", when);  // RunOnce has no switch
  Open();
  if (!IsWin8OrLater()) {
    EXPECT_EQ(Columns(), 2);
    EXPECT_EQ(Statuses(), (std::vector<std::string>{"An=", "Aus=", "Ohne="}));
    return;
  }
  EXPECT_EQ(Columns(), 3);
  EXPECT_EQ(Statuses(), (std::vector<std::string>{"An=aktiv", "Aus=" + since, "Ohne=aktiv"}));
  Press(Page().HKCURunBtn);
  EXPECT_EQ(Statuses(), (std::vector<std::string>{"Benutzer=" + since}));
  Press(Page().HKCURunOnceBtn);
  EXPECT_EQ(Statuses(), (std::vector<std::string>{"Einmal="}));
  ExpectShown(dialogs, {});
}

TEST_F(RegistryStatusTest, AddedAndRenamedEntriesTakeTheStatusOfTheirNameAndTheColumnSorts) {
  approved.SwitchOff(HKEY_LOCAL_MACHINE, "Run", "Aus", when);
  Store(kHKLMRun, "Anders", "x.exe");
  Store(kHKLMRun, "Zuerst", "z.exe");
  Open();
  if (!IsWin8OrLater()) return;  // the column exists from Windows 8 on (see the test above)
  FillEntryDialog("Aus", "aus.exe");
  Press(Page().AddRegBtn);
  Select("Anders");
  FillEntryDialog("Zuletzt", "x.exe");
  Press(Page().EditRegBtn);
  Page().RegViewColumnClick(2);
  EXPECT_EQ(Statuses(), (std::vector<std::string>{"Zuerst=aktiv", "Zuletzt=aktiv", "Aus=" + since}));
  Page().RegViewColumnClick(2);
  EXPECT_EQ(Statuses(), (std::vector<std::string>{"Aus=" + since, "Zuerst=aktiv", "Zuletzt=aktiv"}));
}

TEST_F(RegistryStatusTest, TheMachinesRunKeyTakesItsSwitchesFromRunAndIts32BitViewFromRun32) {
  if (!IsWin8OrLater()) return;  // no column before Windows 8 (see above)
  if (!IsWin64()) return;        // 32-bit Windows has one view, and no button for another
  const std::string subKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  StoreValue(HKEY_LOCAL_MACHINE, subKey, {"Gleich", "64.exe"}, KEY_WOW64_64KEY);
  StoreValue(HKEY_LOCAL_MACHINE, subKey, {"Gleich", "32.exe"}, KEY_WOW64_32KEY);
  StoreValue(HKEY_LOCAL_MACHINE, subKey, {"Nur32", "n32.exe"}, KEY_WOW64_32KEY);
  approved.SwitchOff(HKEY_LOCAL_MACHINE, "Run32", "Gleich", when);
  approved.SwitchOff(HKEY_LOCAL_MACHINE, "Run", "Nur32", when);
  Open();
  EXPECT_EQ(Statuses(), (std::vector<std::string>{"Gleich=aktiv"}));
  Press(Page().HKLMRun32Btn);
  EXPECT_EQ(Statuses(), (std::vector<std::string>{"Gleich=" + since, "Nur32=aktiv"}));
}

TEST_F(RegistryStatusTest, TheCheckLeavesOutWhatWindowsSwitchedOffFromWindows8On) {
  Store(kHKLMRun, "Aus", "C:\\fehlt\\aus.exe");
  Store(kHKLMRun, "Kaputt", "C:\\fehlt\\kaputt.exe");
  approved.SwitchOff(HKEY_LOCAL_MACHINE, "Run", "Aus", when);
  Open();
  Press(Page().RegCheckBtn);
  std::vector<TShownMessage> expected;
  if (!IsWin8OrLater()) expected.push_back(Error("Datei für Zeichenkette: \"Aus\" nicht gefunden!"));
  expected.push_back(Error("Datei für Zeichenkette: \"Kaputt\" nicht gefunden!"));
  ExpectShown(dialogs, expected);
}

}  // namespace
