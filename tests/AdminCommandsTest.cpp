// The commands for administrators, through the real program as a script
// starts it: its exit code, its files and its standard streams.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <algorithm>

#include "app/StartupListing.h"
#include "registry/RunKeyPath.h"
#include "support/EntryComparison.h"
#include "support/EntryList.h"
#include "support/SwitchedOffEntries.h"
#include "support/SheLink.h"
#include "support/Tools.h"
#include "support/WholeFile.h"
#include "support/WideText.h"
#include "tests/RegistrySandbox.h"
#include "tests/ScratchStartupFolder.h"
#include "tests/SeededRegistry.h"
#include "tests/TestService.h"
#include "tests/TestTasks.h"

// Failures show the fields, not the bytes of the object.
void PrintTo(const TListedEntry& entry, std::ostream* out) {
  *out << entry.place << " | " << entry.name << " | " << entry.command << " | " << entry.status << " | "
       << entry.programFile << " | " << entry.present;
}

namespace {

std::string U8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

struct TRun {
  DWORD exitCode = 0;
  std::string output, error;
};

// Reads a pipe to its end into text.
std::string Drain(HANDLE pipe) {
  std::string text;
  char chunk[4096];
  DWORD read = 0;
  while (ReadFile(pipe, chunk, sizeof chunk, &read, nullptr) && read) text.append(chunk, read);
  return text;
}

class AdminCommandsTest : public testing::Test {
 protected:
  // Shortcuts are made and read through the shell's objects.
  AdminCommandsTest() { CoInitialize(nullptr); }
  ~AdminCommandsTest() override { CoUninitialize(); }

  // The program, under the name that gives it this test program's Windows.
  static std::wstring Program() {
    const char* flavour = IsWin8OrLater() ? "win8" : IsWinNT ? "nt" : "9x";
    return WideFromAnsi(ExtractFilePath(ProgramFileName()) + "velmora_cli_" + flavour + ".exe");
  }

  // Starts the program with the arguments, standard output and error into
  // files, and waits for it.
  TRun Run(const std::wstring& arguments) {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE outRead, outWrite, errRead, errWrite;
    CreatePipe(&outRead, &outWrite, &inherit, 0);
    CreatePipe(&errRead, &errWrite, &inherit, 0);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = outWrite;
    startup.hStdError = errWrite;
    std::wstring line = L"\"" + Program() + L"\" " + arguments;
    PROCESS_INFORMATION process = {};
    TRun run;
    EXPECT_TRUE(CreateProcessW(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process));
    CloseHandle(outWrite);
    CloseHandle(errWrite);
    run.output = Drain(outRead);
    run.error = Drain(errRead);
    WaitForSingleObject(process.hProcess, INFINITE);
    GetExitCodeProcess(process.hProcess, &run.exitCode);
    for (HANDLE handle : {process.hProcess, process.hThread, outRead, errRead}) CloseHandle(handle);
    return run;
  }

  std::vector<TListedEntry> ReadList(const std::string& file) {
    std::string bytes;
    std::vector<TListedEntry> entries;
    EXPECT_TRUE(ReadWholeFile(file, bytes)) << file;
    EXPECT_TRUE(ReadEntryList(bytes, entries)) << bytes;
    return entries;
  }

  // The entries listed at the place given.
  static std::vector<TListedEntry> At(const std::vector<TListedEntry>& entries, const std::string& place) {
    std::vector<TListedEntry> found;
    for (const TListedEntry& entry : entries)
      if (entry.place == place) found.push_back(entry);
    return found;
  }

  void StoreRun(const std::string& keyPath, const std::wstring& name, const std::wstring& command) {
    TRunKeyPath key = ResolveRunKeyPath(keyPath);
    StoreWideValue(key.root, key.subKey, {name, WideTextBytes(command), REG_SZ}, key.view);
  }

  TRunKeysSandbox keys;
  TScratchStartupFolder startup{"cli-startup"};
  TScratchFolder files{"cli-files"};
  const std::string userRun = RunKeyPath("HKEY_CURRENT_USER", "Run");
  const std::string machineRunOnce = RunKeyPath("HKEY_LOCAL_MACHINE", "RunOnce");
  const std::string notepad = ProgramFileNameOf("notepad.exe");

  // A shortcut with texts the ANSI code page lacks, as the NT family's
  // shell writes one.
  static void CreateWideLink(const std::wstring& file, const std::wstring& target, const std::wstring& arguments) {
    IShellLinkW* link = nullptr;
    IPersistFile* persist = nullptr;
    ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                           reinterpret_cast<void**>(&link))));
    EXPECT_TRUE(SUCCEEDED(link->SetPath(target.c_str())) && SUCCEEDED(link->SetArguments(arguments.c_str())) &&
                SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))) &&
                SUCCEEDED(persist->Save(file.c_str(), TRUE)));
    if (persist) persist->Release();
    link->Release();
  }

  static std::string ProgramFileNameOf(const std::string& name) {
    char found[MAX_PATH] = {};
    SearchPathA(nullptr, name.c_str(), nullptr, MAX_PATH, found, nullptr);
    return found;
  }
};

TEST_F(AdminCommandsTest, TheListHoldsEveryEntryExactlyAndItsExitCodeTellsOfAMissingProgram) {
  StoreRun(userRun, L"Semi;kolon \"Zitat\"", L"\"C:\\Pro gramme\\a;b.exe\" /x");
  StoreRun(userRun, L"=Formel", L"@notepad.exe, mit Komma");
  StoreRun(userRun, L"Zeilen", L"notepad.exe\r\nzweite Zeile");
  const TRunKeyPath key = ResolveRunKeyPath(userRun);
  CreateSwitchedOffKey(key.root, key.subKey, key.view);
  StoreWideValue(key.root, SwitchedOffKey(key.subKey), {L"Ruht", WideTextBytes(L"C:\\ruht.exe"), REG_SZ}, key.view);
  if (IsWinNT) StoreRun(userRun, L"Кириллица", L"C:\\Программы\\app.exe");
  // From Windows 8 on the task manager can switch it off.
  StoreRun(userRun, L"Windows aus", L"C:\\aus.exe");
  TStartupApprovedValues approvals;
  if (IsWin8OrLater()) approvals.SwitchOff(HKEY_CURRENT_USER, "Run", "Windows aus", LocalTime(2026, 12, 8, 10, 15));
  TShellLink link;
  ASSERT_TRUE(link.CreateLink(startup.File("Editor.lnk"), notepad));
  const std::wstring cyrillicProgram = WideFromAnsi(files.Path()) + L"\\Кино.exe";
  if (IsWinNT) {
    CloseHandle(CreateFileW(cyrillicProgram.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    CreateWideLink(WideFromAnsi(startup.File("Kino.lnk")), cyrillicProgram, L"/фильм");
  }

  const std::string list = files.File("liste.csv");
  const TRun run = Run(L"/liste \"" + WideFromAnsi(list) + L"\"");
  EXPECT_EQ(run.exitCode, 1u) << "a program is missing";
  EXPECT_EQ(run.output, "");
  const std::vector<TListedEntry> entries = ReadList(list);

  std::vector<TListedEntry> expected = {
      {userRun, "Semi;kolon \"Zitat\"", "\"C:\\Pro gramme\\a;b.exe\" /x", "ein", "C:\\Pro gramme\\a;b.exe", "nein"},
      {userRun, "=Formel", "@notepad.exe, mit Komma", "ein", "@notepad.exe, mit", "nein"},
      {userRun, "Zeilen", "notepad.exe\r\nzweite Zeile", "ein", "notepad.exe\r\nzweite", "nein"},
      {userRun, "Ruht", "C:\\ruht.exe", "aus (Velmora)", "C:\\ruht.exe", "nein"},
      {userRun, "Windows aus", "C:\\aus.exe", IsWin8OrLater() ? "aus (Windows)" : "ein", "C:\\aus.exe", "nein"},
  };
  if (IsWinNT)
    expected.push_back({userRun, U8(u8"Кириллица"), U8(u8"C:\\Программы\\app.exe"), "ein",
                        U8(u8"C:\\Программы\\app.exe"), "nein"});
  std::vector<TListedEntry> listed = At(entries, userRun);
  std::sort(listed.begin(), listed.end(), [](auto& a, auto& b) { return a.status + a.name < b.status + b.name; });
  std::sort(expected.begin(), expected.end(), [](auto& a, auto& b) { return a.status + a.name < b.status + b.name; });
  EXPECT_EQ(listed, expected);
  std::vector<TListedEntry> shortcuts = {{startup.Path(), "Editor.lnk", notepad, "ein", notepad, "ja"}};
  if (IsWinNT)
    shortcuts.push_back({startup.Path(), "Kino.lnk", Utf8FromWide(cyrillicProgram + L" /фильм"), "ein",
                         Utf8FromWide(cyrillicProgram), "ja"});
  std::vector<TListedEntry> listedShortcuts = At(entries, startup.Path());
  std::sort(listedShortcuts.begin(), listedShortcuts.end(), [](auto& a, auto& b) { return a.name < b.name; });
  EXPECT_EQ(listedShortcuts, shortcuts);
  EXPECT_EQ(At(entries, machineRunOnce), std::vector<TListedEntry>{}) << "an empty key lists nothing";

  // The same list on standard output.
  const TRun toOutput = Run(L"/liste");
  EXPECT_EQ(toOutput.exitCode, 1u);
  std::string written;
  ReadWholeFile(list, written);
  EXPECT_EQ(toOutput.output, written);
}

// The NT family's services, scheduled tasks and further places, as their
// pages show them; the 9x family has none of them.
TEST_F(AdminCommandsTest, TheServicesTasksAndFurtherPlacesAreListedAsTheirPagesShowThem) {
  const std::string services = "HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\";
  const std::string winlogon = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
  std::unique_ptr<TTestService> service;
  std::vector<std::unique_ptr<TSeededValue>> seeds;
  TTestTasks tasks;
  if (IsWinNT) {
    tasks.Write(L"Aktualisierer", TaskFileBytes({kLogonTrigger, L"false", {{WideFromAnsi(notepad), L"/x"}, {L"C:\\Fehlt\\b.exe", L""}}},
                                                TTaskEncoding::Utf16));
    tasks.Write(L"Kaputt", "<Task><Triggers>");
    service = std::make_unique<TTestService>(L"VelmoraCliDienst", L"\"" + WideFromAnsi(notepad) + L"\" -k",
                                             SERVICE_AUTO_START);
    seeds = StoreSeeds({{HKEY_LOCAL_MACHINE, winlogon, {"Shell", "explorer.exe C:\\Fremd\\shell.exe"}}});
  }
  const std::string list = files.File("liste.csv");
  Run(L"/liste \"" + WideFromAnsi(list) + L"\"");
  const std::vector<TListedEntry> entries = ReadList(list);

  const std::string serviceKey = services + "VelmoraCliDienst";
  const std::string taskFolder = Utf8FromWide(TTestTasks::kFolder);
  const std::string shell = "HKEY_LOCAL_MACHINE\\" + winlogon;
  if (!IsWinNT) {
    EXPECT_FALSE(std::any_of(entries.begin(), entries.end(), [&](const TListedEntry& entry) {
      return entry.place.starts_with(services) || entry.place.starts_with(shell) || entry.place == taskFolder;
    }));
    return;
  }
  EXPECT_EQ(At(entries, serviceKey),
            (std::vector<TListedEntry>{{serviceKey, "VelmoraCliDienst (Test)", "\"" + notepad + "\" -k", "ein", notepad, "ja"}}));
  EXPECT_EQ(At(entries, taskFolder),
            (std::vector<TListedEntry>{
                {taskFolder, "Aktualisierer", notepad + " /x", "aus (Windows)", notepad, "ja"},
                {taskFolder, "Aktualisierer", "C:\\Fehlt\\b.exe", "aus (Windows)", "C:\\Fehlt\\b.exe", "nein"},
                {taskFolder, "Kaputt", U8(u8"Nicht lesbar: kein gültiges XML"), "", "", ""}}));
  const std::vector<TListedEntry> atWinlogon = At(entries, shell);
  EXPECT_NE(std::find(atWinlogon.begin(), atWinlogon.end(),
                      TListedEntry{shell, "Shell", "explorer.exe C:\\Fremd\\shell.exe", "ein", "", ""}),
            atWinlogon.end());
}

TEST_F(AdminCommandsTest, TheComparisonNamesWhatWasAddedRemovedAndChanged) {
  StoreRun(userRun, L"Bleibt", WideFromAnsi(notepad));
  StoreRun(userRun, L"Geht", WideFromAnsi(notepad));
  StoreRun(userRun, L"Ändert sich", WideFromAnsi(notepad));
  const std::string before = files.File("vorher.csv"), changes = files.File("änderungen.csv");
  ASSERT_EQ(Run(L"/liste \"" + WideFromAnsi(before) + L"\"").exitCode, 0u) << "every program is there";

  const TRun same = Run(L"/vergleich \"" + WideFromAnsi(before) + L"\"");
  EXPECT_EQ(same.exitCode, 0u);
  EXPECT_EQ(same.output, EntryChangesText({}));

  StoreRun(userRun, L"Neu", L"C:\\neu.exe");
  DeleteValue(HKEY_CURRENT_USER, ResolveRunKeyPath(userRun).subKey, "Geht");
  StoreRun(userRun, L"Ändert sich", L"C:\\anders.exe");
  EXPECT_EQ(Run(L"/vergleich \"" + WideFromAnsi(before) + L"\" \"" + WideFromAnsi(changes) + L"\"").exitCode, 1u);
  std::string bytes;
  ReadWholeFile(changes, bytes);
  const std::string place = userRun + ";";
  EXPECT_NE(bytes.find(U8(u8"\r\nneu;") + place + "Neu;C:\\neu.exe;ein;C:\\neu.exe;nein\r\n"), std::string::npos);
  EXPECT_NE(bytes.find(U8(u8"\r\ngeändert;") + place + U8(u8"Ändert sich;C:\\anders.exe;ein;C:\\anders.exe;nein\r\n")),
            std::string::npos);
  EXPECT_NE(bytes.find("\r\nentfernt;" + place + "Geht;" + notepad + ";ein;" + notepad + ";ja\r\n"), std::string::npos);
  EXPECT_EQ(bytes.find("Bleibt"), std::string::npos);
}

TEST_F(AdminCommandsTest, WhatCannotBeDoneEndsWithTwoAndSaysWhy) {
  const std::string notAList = files.File("notiz.txt"), missing = files.File("fehlt.csv");
  WriteFileBytes(notAList, "Ort;Name\r\n");
  const struct {
    std::wstring arguments;
    std::string error;
  } cases[] = {
      {L"/listen", "Unbekannter Schalter oder Wert: \"/listen\". \"velmora.exe /?\" zeigt die Befehle.\r\n"},
      {L"/liste a.csv b.csv", "/liste: zu viele Angaben. \"velmora.exe /?\" zeigt die Befehle.\r\n"},
      {L"/vergleich", "/vergleich: Die Datei der alten Liste fehlt.\r\n"},
      {L"/vergleich \"" + WideFromAnsi(missing) + L"\"", "Konnte die Datei \"" + missing + "\" nicht lesen.\r\n"},
      {L"/vergleich \"" + WideFromAnsi(notAList) + L"\"",
       "Die Datei \"" + notAList + "\" ist keine Liste, wie \"velmora.exe /liste\" sie schreibt.\r\n"},
      {L"/liste C:\\kein\\solcher\\Ordner\\a.csv",
       "Konnte die Datei \"C:\\kein\\solcher\\Ordner\\a.csv\" nicht schreiben.\r\n"},
  };
  for (const auto& c : cases) {
    const TRun run = Run(c.arguments);
    EXPECT_EQ(run.exitCode, 2u) << AnsiFromWide(c.arguments);
    EXPECT_EQ(run.error, c.error);
    EXPECT_EQ(run.output, "");
  }
  const TRun usage = Run(L"/?");
  EXPECT_EQ(usage.exitCode, 0u);
  EXPECT_NE(usage.output.find("velmora.exe /vergleich ALT [DATEI]"), std::string::npos) << usage.output;
}

// Administrators list machines with thousands of entries: the list must
// take time in proportion to them, not to their square.
TEST_F(AdminCommandsTest, ListingTakesTimeInProportionToTheEntries) {
  const TRunKeyPath key = ResolveRunKeyPath(userRun);
  auto listingTime = [&](int count) {
    for (int i = 0; i < count; ++i)
      StoreValue(key.root, key.subKey, {"Eintrag " + std::to_string(i), "C:\\fehlt\\" + std::to_string(i) + ".exe"},
                 key.view);
    const DWORD start = GetTickCount();
    const std::string text = EntryListText(ListStartupEntries());
    const DWORD time = GetTickCount() - start;
    EXPECT_GT(text.size(), static_cast<size_t>(count) * 40);
    return time;
  };
  const DWORD few = listingTime(2'000);
  DeleteAllValues(key.root, key.subKey, key.view);
  const DWORD many = listingTime(20'000);
  EXPECT_LT(many, 20 * few + 2000) << few << " ms for 2,000 entries";
}

}  // namespace
