// The further places the NT family starts programs from, read from values
// seeded in the test prefix as Windows and other programs write them; every
// seeded value and key is gone again afterwards.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "registry/FurtherPlaces.h"
#include "support/AnsiText.h"
#include "support/SystemLocations.h"
#include "support/Tools.h"
#include "support/WindowsVersion.h"
#include "tests/RegistrySandbox.h"
#include "tests/SeededRegistry.h"

namespace {

const std::string kNtVersion = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\";
const std::string kVersion = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\";
const std::string kWinlogon = kNtVersion + "Winlogon";
const std::string kWindows = kNtVersion + "Windows";
const std::string kSessionManager = "SYSTEM\\CurrentControlSet\\Control\\Session Manager";
const std::string kIfeo = kNtVersion + "Image File Execution Options\\velmora-test.exe";
const std::string kRunOnceEx = kVersion + "RunOnceEx\\0001";
const std::string kActiveSetup = "SOFTWARE\\Microsoft\\Active Setup\\Installed Components\\{Velmora-Test}";
const std::string kDelayLoad = kVersion + "ShellServiceObjectDelayLoad";
const std::string kTsRun = kNtVersion + "Terminal Server\\Install\\" + kVersion + "Run";

std::string Machine(const std::string& subKey) { return "HKEY_LOCAL_MACHINE\\" + subKey; }

std::string Multi(const std::vector<std::string>& texts) {
  std::string bytes;
  for (const std::string& text : texts) bytes += text + '\0';
  return bytes + '\0';
}
std::string Dword(DWORD number) { return std::string(reinterpret_cast<const char*>(&number), sizeof number); }

struct TRow {
  std::string location, name, shown;
  TFurtherWarning warning;
  bool operator==(const TRow&) const = default;
};
std::ostream& operator<<(std::ostream& out, const TRow& row) {
  return out << row.location << " | " << row.name << " = " << row.shown << " | warning "
             << static_cast<int>(row.warning);
}

std::vector<TRow> Rows(const std::vector<TFurtherEntry>& entries) {
  std::vector<TRow> rows;
  for (const TFurtherEntry& entry : entries)
    rows.push_back({entry.location, AnsiForm(entry.value.name), AnsiForm(ShownValue(entry.value)), entry.warning});
  return rows;
}

// The rows of the further places read with the seeds stored, those of the
// keys given only.
std::vector<TRow> RowsWith(const std::vector<TSeed>& seeds, const std::vector<std::string>& locations) {
  const auto stored = StoreSeeds(seeds);
  std::vector<TRow> rows;
  for (const TRow& row : Rows(ReadFurtherPlaces()))
    if (std::find(locations.begin(), locations.end(), row.location) != locations.end()) rows.push_back(row);
  return rows;
}

std::string Userinit() { return GetWinDir() + "\\system32\\userinit.exe,"; }

struct TWarningCase {
  const char* what;
  std::vector<TSeed> seeds;
  std::vector<std::string> locations;
  std::vector<TRow> expected;
};

TEST(FurtherPlaces, EachPlaceIsListedWithItsValueAndAWarningWhereItDiffersFromWindows) {
  if (!IsWinNT) GTEST_SKIP() << "the 9x family has none of these places (see the next test)";
  const std::string winlogon = Machine(kWinlogon), windows = Machine(kWindows);
  const std::string boot = Machine(kSessionManager);
  constexpr auto kNone = TFurtherWarning::None;
  const TWarningCase cases[] = {
      {"Windows' Shell and Userinit",
       {{HKEY_LOCAL_MACHINE, kWinlogon, {"Shell", "Explorer.exe "}},
        {HKEY_LOCAL_MACHINE, kWinlogon, {"Userinit", Userinit()}}},
       {winlogon},
       {{winlogon, "Shell", "Explorer.exe ", kNone}, {winlogon, "Userinit", Userinit(), kNone}}},
      {"a changed Shell and Userinit, Taskman",
       {{HKEY_LOCAL_MACHINE, kWinlogon, {"Shell", "explorer.exe C:\\Fremd\\shell.exe"}},
        {HKEY_LOCAL_MACHINE, kWinlogon, {"Userinit", Userinit() + "C:\\Fremd\\init.exe,"}},
        {HKEY_LOCAL_MACHINE, kWinlogon, {"Taskman", "C:\\Fremd\\tm.exe"}}},
       {winlogon},
       {{winlogon, "Shell", "explorer.exe C:\\Fremd\\shell.exe", TFurtherWarning::NotWindowsShell},
        {winlogon, "Userinit", Userinit() + "C:\\Fremd\\init.exe,", TFurtherWarning::NotWindowsUserinit},
        {winlogon, "Taskman", "C:\\Fremd\\tm.exe", TFurtherWarning::NotFromWindows}}},
      {"a Userinit without the system folder, the user's own Shell",
       {{HKEY_LOCAL_MACHINE, kWinlogon, {"Shell", "explorer.exe"}},
        {HKEY_LOCAL_MACHINE, kWinlogon, {"Userinit", "userinit.exe"}},
        {HKEY_CURRENT_USER, kWinlogon, {"Shell", "C:\\Fremd\\shell.exe"}}},
       {winlogon, "HKEY_CURRENT_USER\\" + kWinlogon},
       {{winlogon, "Shell", "explorer.exe", kNone},
        {winlogon, "Userinit", "userinit.exe", TFurtherWarning::NotWindowsUserinit},
        {"HKEY_CURRENT_USER\\" + kWinlogon, "Shell", "C:\\Fremd\\shell.exe", TFurtherWarning::NotFromWindows}}},
      {"AppInit_DLLs loaded",
       {{HKEY_LOCAL_MACHINE, kWindows, {"AppInit_DLLs", "C:\\Fremd\\hook.dll"}},
        {HKEY_LOCAL_MACHINE, kWindows, {"LoadAppInit_DLLs", Dword(1), REG_DWORD}}},
       {windows},
       {{windows, "AppInit_DLLs", "C:\\Fremd\\hook.dll", TFurtherWarning::AppInitLoaded},
        {windows, "LoadAppInit_DLLs", "1", kNone}}},
      {"AppInit_DLLs kept out",
       {{HKEY_LOCAL_MACHINE, kWindows, {"AppInit_DLLs", "C:\\Fremd\\hook.dll"}},
        {HKEY_LOCAL_MACHINE, kWindows, {"LoadAppInit_DLLs", Dword(0), REG_DWORD}}},
       {windows},
       {{windows, "AppInit_DLLs", "C:\\Fremd\\hook.dll", TFurtherWarning::AppInitNotLoaded},
        {windows, "LoadAppInit_DLLs", "0", kNone}}},
      {"a debugger started instead of a program",
       {{HKEY_LOCAL_MACHINE, kIfeo, {"Debugger", "C:\\Fremd\\instead.exe"}},
        {HKEY_LOCAL_MACHINE, kIfeo, {"GlobalFlag", "2"}}},
       {Machine(kIfeo)},
       {{Machine(kIfeo), "Debugger", "C:\\Fremd\\instead.exe", TFurtherWarning::Debugger}}},
      {"BootExecute as Windows has it",
       {{HKEY_LOCAL_MACHINE, kSessionManager, {"BootExecute", Multi({"autocheck autochk *"}), REG_MULTI_SZ}}},
       {boot},
       {{boot, "BootExecute", "autocheck autochk *", kNone}}},
      {"BootExecute beyond the disk check",
       {{HKEY_LOCAL_MACHINE, kSessionManager,
         {"BootExecute", Multi({"autocheck autochk *", "fremd"}), REG_MULTI_SZ}}},
       {boot},
       {{boot, "BootExecute", "autocheck autochk *; fremd", TFurtherWarning::BootExecute}}},
      {"RunOnceEx, Active Setup, the shell's delayed objects, the Terminal Server's Run key",
       {{HKEY_LOCAL_MACHINE, kRunOnceEx, {"", "Gruppe"}},
        {HKEY_LOCAL_MACHINE, kRunOnceEx, {"1", "C:\\Fremd\\once.exe"}},
        {HKEY_LOCAL_MACHINE, kActiveSetup, {"StubPath", "C:\\Fremd\\stub.exe /x"}},
        {HKEY_LOCAL_MACHINE, kActiveSetup, {"Version", "1,0"}},
        {HKEY_LOCAL_MACHINE, kDelayLoad, {"VelmoraTest", "{00000000-0000-0000-0000-000000000001}"}},
        {HKEY_LOCAL_MACHINE, kTsRun, {"VelmoraTest", "%ProgramFiles%\\ts.exe", REG_EXPAND_SZ}}},
       {Machine(kRunOnceEx), Machine(kActiveSetup), Machine(kDelayLoad), Machine(kTsRun)},
       {{Machine(kRunOnceEx), "1", "C:\\Fremd\\once.exe", kNone},
        {Machine(kActiveSetup), "StubPath", "C:\\Fremd\\stub.exe /x", kNone},
        {Machine(kDelayLoad), "VelmoraTest", "{00000000-0000-0000-0000-000000000001}", kNone},
        {Machine(kTsRun), "VelmoraTest", "%ProgramFiles%\\ts.exe", kNone}}},
  };
  for (const TWarningCase& c : cases) EXPECT_EQ(RowsWith(c.seeds, c.locations), c.expected) << c.what;
}

// On 64-bit Windows the 32-bit view is read too; on 32-bit Windows the
// program's only view holds what was stored.
TEST(FurtherPlaces, TheThirtyTwoBitViewIsNamedAsTheRegistryPageNamesItAndASharedValueShowsOnce) {
  if (!IsWinNT) GTEST_SKIP() << "the 9x family has none of these places (see the next test)";
  const std::string view32 = IsWin64() ? "HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\" + kWinlogon.substr(9)
                                       : Machine(kWinlogon);
  std::vector<TRow> appSetup =
      RowsWith({{HKEY_LOCAL_MACHINE, kWinlogon, {"AppSetup", "C:\\Fremd\\setup32.exe"}, KEY_WOW64_32KEY}}, {view32});
  // On 32-bit Windows that key is the only Winlogon, with Windows' own values.
  std::erase_if(appSetup, [](const TRow& row) { return row.name != "AppSetup"; });
  EXPECT_EQ(appSetup,
            (std::vector<TRow>{{view32, "AppSetup", "C:\\Fremd\\setup32.exe", TFurtherWarning::NotFromWindows}}));
  const std::vector<TRow> both = RowsWith({{HKEY_LOCAL_MACHINE, kDelayLoad, {"VelmoraTest", "{1}"}, KEY_WOW64_32KEY},
                                           {HKEY_LOCAL_MACHINE, kDelayLoad, {"VelmoraTest", "{1}"}}},
                                          {Machine(kDelayLoad), "HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\" +
                                                                    kDelayLoad.substr(9)});
  EXPECT_EQ(both, (std::vector<TRow>{{Machine(kDelayLoad), "VelmoraTest", "{1}", TFurtherWarning::None}}));
}

TEST(FurtherPlaces, NoneOnTheNineXFamilyAndReadingChangesNothing) {
  const std::vector<TSeed> seeds = {
      {HKEY_LOCAL_MACHINE, kWinlogon, {"Taskman", "C:\\Fremd\\tm.exe"}},
      {HKEY_LOCAL_MACHINE, kIfeo, {"Debugger", "C:\\Fremd\\instead.exe"}},
      {HKEY_LOCAL_MACHINE, kSessionManager, {"BootExecute", Multi({"autocheck autochk *", "x"}), REG_MULTI_SZ}}};
  const auto stored = StoreSeeds(seeds);
  std::vector<std::vector<TStoredValue>> before;
  for (const TSeed& seed : seeds) before.push_back(StoredValues(seed.root, seed.subKey));
  const std::vector<TFurtherEntry> entries = ReadFurtherPlaces();
  EXPECT_EQ(entries.empty(), !IsWinNT);
  for (size_t i = 0; i < seeds.size(); ++i) EXPECT_EQ(StoredValues(seeds[i].root, seeds[i].subKey), before[i]);
}

TEST(FurtherExportKeys, EachKeyOnceWithItsValuesInTheirTypes) {
  if (!IsWinNT) GTEST_SKIP() << "the places are read on the NT family only, in its wide form";
  auto wide = [](const std::wstring& text) {
    return std::string(reinterpret_cast<const char*>(text.c_str()), (text.size() + 1) * sizeof(wchar_t));
  };
  const std::vector<TFurtherEntry> entries = {
      {"HKEY_LOCAL_MACHINE\\A", {L"Shell", REG_SZ, wide(L"x \"y\".exe")}},
      {"HKEY_LOCAL_MACHINE\\B", {L"BootExecute", REG_MULTI_SZ, wide(std::wstring(L"a b\0c", 5)) + std::string(2, '\0')}},
      {"HKEY_LOCAL_MACHINE\\A", {L"LoadAppInit_DLLs", REG_DWORD, Dword(1)}},
      {"HKEY_LOCAL_MACHINE\\B", {L"T", REG_EXPAND_SZ, wide(L"%x%")}},
      {"HKEY_LOCAL_MACHINE\\B", {L"Bin", REG_BINARY, "\x01\xff"}},
  };
  EXPECT_EQ(RegExportText(FurtherExportKeys(entries)),
            "REGEDIT4\r\n\r\n"
            "[HKEY_LOCAL_MACHINE\\A]\r\n\"Shell\"=\"x \\\"y\\\".exe\"\r\n\"LoadAppInit_DLLs\"=dword:00000001\r\n\r\n"
            "[HKEY_LOCAL_MACHINE\\B]\r\n\"BootExecute\"=hex(7):61,20,62,00,63,00,00\r\n"
            "\"T\"=hex(2):25,78,25,00\r\n\"Bin\"=hex:01,ff\r\n\r\n");
}

}  // namespace
