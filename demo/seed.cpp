// Fills a Wine prefix with sample start-up entries of every kind, so that
// every page of Velmora has something to show. Run inside the prefix.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstdio>
#include <string>

#include "app/DesktopInteraction.h"
#include "services/StartMemory.h"
#include "support/SheLink.h"
#include "support/SystemLocations.h"
#include "support/WholeFile.h"
#include "tasks/TaskFiles.h"

namespace {

const std::string kRunKeys = "Software\\Microsoft\\Windows\\CurrentVersion\\";

struct TSampleValue {
  HKEY root;
  const char* key;
  const char* name;
  const char* data;
  DWORD type;
};

// Programs that Wine starts at log-on are harmless here: they are missing,
// or end at once.
const TSampleValue kSampleValues[] = {
    {HKEY_LOCAL_MACHINE, "Run", "SystemTray", "SysTray.Exe", REG_SZ},
    {HKEY_LOCAL_MACHINE, "Run", "", "C:\\Programme\\Uhrzeit\\uhr.exe /still", REG_SZ},
    {HKEY_LOCAL_MACHINE, "Run", "Lautstärke", "%SystemRoot%\\system32\\rundll32.exe", REG_EXPAND_SZ},
    {HKEY_LOCAL_MACHINE, "Run", "TaskMonitor", "C:\\WINDOWS\\taskmon.exe", REG_SZ},
    {HKEY_LOCAL_MACHINE, "Run", "Befehlszeile", "C:\\windows\\system32\\cmd.exe /c exit", REG_SZ},
    {HKEY_CURRENT_USER, "Run", "Notizblock-Prüfer", "\"C:\\Program Files\\Notiz Werk\\notiz.exe\" /min", REG_SZ},
    {HKEY_CURRENT_USER, "Run", "Druckerei", "C:\\Programme\\Druckerei\\druck.exe /tray /still", REG_SZ},
    {HKEY_LOCAL_MACHINE, "RunServices", "Druckdienst", "C:\\WINDOWS\\SYSTEM\\spool32.exe", REG_SZ},
    {HKEY_LOCAL_MACHINE, "RunOnce", "Nachinstallation", "C:\\WINDOWS\\runonce.exe -q", REG_SZ},
    {HKEY_CURRENT_USER, "RunOnce", "Willkommen", "C:\\WINDOWS\\welcome.exe", REG_SZ},
    {HKEY_LOCAL_MACHINE, "RunServicesOnce", "Aufräumen", "C:\\WINDOWS\\cleanup.exe /s", REG_SZ},
};

bool StoreValue(HKEY root, const std::string& subKey, const char* name, const BYTE* data, DWORD size, DWORD type,
                REGSAM view = 0) {
  HKEY key;
  if (RegCreateKeyExA(root, subKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE | view, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return false;
  bool stored = RegSetValueExA(key, name, 0, type, data, size) == ERROR_SUCCESS;
  RegCloseKey(key);
  return stored;
}

bool SeedRunKeys() {
  bool ok = true;
  for (const TSampleValue& value : kSampleValues) {
    auto data = reinterpret_cast<const BYTE*>(value.data);
    ok &= StoreValue(value.root, kRunKeys + value.key, value.name, data, lstrlenA(value.data) + 1, value.type);
  }
  // A value that is no text: the page leaves it alone.
  DWORD counter = 1;
  ok &= StoreValue(HKEY_LOCAL_MACHINE, kRunKeys + "Run", "Zähler", reinterpret_cast<const BYTE*>(&counter),
                   sizeof counter, REG_DWORD);
  return ok;
}

bool StoreText(HKEY root, const std::string& subKey, const char* name, const char* text, REGSAM view = 0) {
  return StoreValue(root, subKey, name, reinterpret_cast<const BYTE*>(text), lstrlenA(text) + 1, REG_SZ, view);
}

// What 64-bit Windows and Windows 8 and later add: a 32-bit program's entry
// (in the 32-bit view), a policy entry, and entries the task manager switched
// off on 08.12.2026 at 10:15 UTC.
bool SeedNewerWindowsSamples() {
  bool ok = StoreText(HKEY_LOCAL_MACHINE, kRunKeys + "Run", "Altes Werkzeug",
                      "C:\\Programme (x86)\\Altes Werkzeug\\alt.exe /tray", KEY_WOW64_32KEY);
  ok &= StoreText(HKEY_LOCAL_MACHINE, kRunKeys + "Policies\\Explorer\\Run", "1", "C:\\Firma\\anmeldung.exe");
  const BYTE switchedOff[12] = {0x03, 0, 0, 0, 0x00, 0xea, 0x7a, 0xfb, 0xfc, 0x86, 0xdd, 0x01};
  const std::string approved = kRunKeys + "Explorer\\StartupApproved\\";
  ok &= StoreValue(HKEY_CURRENT_USER, approved + "Run", "Druckerei", switchedOff, sizeof switchedOff, REG_BINARY,
                   KEY_WOW64_64KEY);
  ok &= StoreValue(HKEY_CURRENT_USER, approved + "StartupFolder", "Netzwerk.lnk", switchedOff, sizeof switchedOff,
                   REG_BINARY, KEY_WOW64_64KEY);
  return ok;
}

bool WriteText(const std::string& path, const std::string& text, DWORD attributes = FILE_ATTRIBUTE_ARCHIVE) {
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  bool ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) && written == text.size();
  CloseHandle(file);
  return ok && SetFileAttributesA(path.c_str(), attributes);
}

std::string WindowsFolder() {
  char folder[MAX_PATH] = {};
  GetWindowsDirectoryA(folder, MAX_PATH);
  return folder;
}

// run= and load= of Win.ini go through the profile functions, which is where
// Windows (and Wine) keep them; the second program of run= is missing.
bool SeedWinIni() {
  return WritePrivateProfileStringA("windows", "run", "C:\\WINDOWS\\NOTEPAD.EXE C:\\PROGRA~1\\ALTTOOL\\ALT.EXE",
                                    "win.ini") &&
         WritePrivateProfileStringA("windows", "load", "C:\\WINDOWS\\SYSTEM32\\RUNDLL32.EXE", "win.ini");
}

bool SeedTextFiles() {
  const std::string windows = WindowsFolder() + "\\";
  const DWORD protectedFile = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY;
  bool ok = WriteText(windows + "Control.ini",
                      "[current]\r\ncolor schemes=Windows-Standard\r\n\r\n[color schemes]\r\n"
                      "Windows-Standard=C0C0C0,FFFFFF,FFFFFF,0,FFFFFF,0,800000,C0C0C0\r\n\r\n"
                      "[Patterns]\r\n(Kein)=(Kein)\r\nZiegel=187 68 187 68 187 68 187 68\r\n");
  ok &= WriteText(windows + "Winstart.bat",
                  "@ECHO OFF\r\nREM Netzwerkprogramme, die vor Windows geladen werden\r\nC:\\NET\\NET START\r\n");
  ok &= WriteText(windows + "Dosstart.bat",
                  "@ECHO OFF\r\nREM Wird beim Neustart im MS-DOS-Modus ausgeführt\r\nLH C:\\WINDOWS\\COMMAND\\MSCDEX.EXE "
                  "/D:MSCD001\r\nLH C:\\MAUS\\MOUSE.COM\r\n");
  ok &= WriteText("C:\\Autoexec.bat",
                  "@ECHO OFF\r\nSET BLASTER=A220 I5 D1 T4\r\nPATH C:\\WINDOWS;C:\\WINDOWS\\COMMAND\r\n"
                  "LH C:\\WINDOWS\\COMMAND\\DOSKEY.COM\r\nmode con codepage prepare=((850) "
                  "C:\\WINDOWS\\COMMAND\\ega.cpi)\r\nkeyb gr,,C:\\WINDOWS\\COMMAND\\keyboard.sys\r\n",
                  protectedFile);
  // msdos.sys lacks a few keys (Logo, AutoScan, DoubleBuffer), as many do.
  ok &= WriteText("C:\\MSDOS.SYS",
                  "[Paths]\r\nWinDir=C:\\WINDOWS\r\nWinBootDir=C:\\WINDOWS\r\nHostWinBootDrv=C\r\n\r\n"
                  "[Options]\r\nBootMulti=1\r\nBootGUI=1\r\nDoubleBuffer=1\r\nNetwork=1\r\nBootMenu=0\r\n"
                  "BootDelay=2\r\nBootKeys=1\r\nBootMenuDelay=10\r\nDblSpace=1\r\nDrvSpace=1\r\n"
                  ";\r\n;Die folgenden Zeilen sind erforderlich für die Kompatibilität mit anderen Programmen.\r\n"
                  ";Entfernen Sie sie nicht (MSDOS.SYS muss größer als 1024 Byte sein).\r\n"
                  ";xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxa\r\n"
                  ";xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxb\r\n"
                  ";xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxc\r\n"
                  ";xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxd\r\n"
                  ";xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxe\r\n"
                  ";xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxf\r\n"
                  ";xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxg\r\n"
                  ";xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxh\r\n",
                  protectedFile);
  ok &= WriteText("C:\\Config.sys",
                  "DEVICE=C:\\WINDOWS\\HIMEM.SYS\r\nDEVICE=C:\\WINDOWS\\EMM386.EXE NOEMS\r\nDOS=HIGH,UMB\r\n"
                  "FILES=40\r\nBUFFERS=30\r\ndevice=C:\\WINDOWS\\COMMAND\\display.sys con=(ega,,1)\r\n"
                  "Country=049,850,C:\\WINDOWS\\COMMAND\\country.sys\r\n");
  return ok;
}

const std::string kSystem32 = "C:\\windows\\system32\\";

// A shortcut in folder; an earlier one of that name (hidden, perhaps) is
// replaced.
bool SeedShortcut(const std::string& folder, const std::string& name, const std::string& target,
                  DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
  const std::string linkFile = folder + "\\" + name;
  SetFileAttributesA(linkFile.c_str(), FILE_ATTRIBUTE_NORMAL);
  TShellLink().CreateLink(linkFile, target);
  return SetFileAttributesA(linkFile.c_str(), attributes) != 0;
}

// A shortcut whose program is gone: made while it existed, then removed.
bool SeedDeadShortcut(const std::string& folder, const std::string& name) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string program = std::string(temp) + "Verschwunden.exe";
  HANDLE file = CreateFileA(program.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  bool seeded = SeedShortcut(folder, name, program);
  return DeleteFileA(program.c_str()) && seeded;
}

// Wine starts what these folders hold when the prefix starts: programs that
// end at once.
bool SeedStartupFolders() {
  const std::string user = GetUserStartupDir(), common = GetCommonStartupDir();
  for (const std::string& folder : {user, common}) SHCreateDirectoryExA(nullptr, folder.c_str(), nullptr);
  bool ok = SeedShortcut(user, "Rechnername.lnk", kSystem32 + "hostname.exe");
  ok &= SeedShortcut(user, "Netzwerk.lnk", kSystem32 + "ipconfig.exe", FILE_ATTRIBUTE_HIDDEN);
  ok &= SeedDeadShortcut(user, "Verschwunden.lnk");
  ok &= SeedShortcut(common, "Anmeldename.lnk", kSystem32 + "whoami.exe");
  ok &= SeedShortcut(common, "Versteckt.lnk", kSystem32 + "hostname.exe", FILE_ATTRIBUTE_HIDDEN);
  ok &= SeedDeadShortcut(common, "Alt und weg.lnk");
  return ok;
}

struct TSampleService {
  const wchar_t* name;
  const wchar_t* displayName;
  const wchar_t* imagePath;
  bool delayed;
  bool switchedOff;  // as Velmora leaves one it switched off
};

// Programs that are missing: Wine's service manager starts nothing of them.
const TSampleService kSampleServices[] = {
    {L"UhrzeitDienst", L"Uhrzeit-Abgleich", L"C:\\Programme\\Uhrzeit\\uhrdienst.exe", false, false},
    {L"Druckwaechter", L"Druckwächter", L"\"C:\\Program Files\\Druckerei\\wacht.exe\" /dienst", true, false},
    {L"NetzHelfer", L"Netzwerk-Helfer", L"C:\\Programme\\Netz\\helfer.exe -k", false, true},
};

bool SeedServices() {
  SC_HANDLE manager = OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
  if (!manager) return false;
  bool ok = true;
  for (const TSampleService& sample : kSampleServices) {
    SC_HANDLE service = OpenServiceW(manager, sample.name, SERVICE_ALL_ACCESS);
    if (!service)
      service = CreateServiceW(manager, sample.name, sample.displayName, SERVICE_ALL_ACCESS, SERVICE_WIN32_OWN_PROCESS,
                               sample.switchedOff ? SERVICE_DEMAND_START : SERVICE_AUTO_START, SERVICE_ERROR_NORMAL,
                               sample.imagePath, nullptr, nullptr, nullptr, nullptr, nullptr);
    if (!service) {
      ok = false;
      continue;
    }
    // As installers write it: Wine's service manager refuses to set it.
    const DWORD delayed = sample.delayed;
    ok &= StoreValue(HKEY_LOCAL_MACHINE, ServiceKey(sample.name), "DelayedAutostart",
                     reinterpret_cast<const BYTE*>(&delayed), sizeof(delayed), REG_DWORD);
    if (sample.switchedOff) ok &= RememberStart(sample.name, {SERVICE_AUTO_START, 0}) == ERROR_SUCCESS;
    CloseServiceHandle(service);
  }
  CloseServiceHandle(manager);
  return ok;
}


struct TSampleTask {
  const wchar_t* folder;  // below the Tasks folder; "" for none
  const wchar_t* name;
  const char* xml;        // UTF-8, as Wine's scheduler writes it (with a byte order mark)
};

#define VELMORA_TASK(triggers, enabled, command, arguments, author)                                        \
  "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"                                            \
  "<Task version=\"1.2\" xmlns=\"http://schemas.microsoft.com/windows/2004/02/mit/task\">\r\n"            \
  "  <RegistrationInfo><Author>" author "</Author></RegistrationInfo>\r\n"                                \
  "  <Triggers>" triggers "</Triggers>\r\n"                                                               \
  "  <Principals><Principal id=\"Author\"><UserId>S-1-5-18</UserId></Principal></Principals>\r\n"         \
  "  <Settings><Enabled>" enabled "</Enabled></Settings>\r\n"                                             \
  "  <Actions Context=\"Author\"><Exec><Command>" command "</Command><Arguments>" arguments               \
  "</Arguments></Exec></Actions>\r\n"                                                                     \
  "</Task>\r\n"

// Programs that are missing; Wine runs no logon task anyway.
const TSampleTask kSampleTasks[] = {
    {L"\\Hersteller", L"Updater",
     VELMORA_TASK("<LogonTrigger/>", "true", "C:\\Programme\\Hersteller\\updater.exe", "/still", "Hersteller GmbH")},
    {L"\\Druckerei", L"Wartung",
     VELMORA_TASK("<BootTrigger/>", "false", "C:\\Program Files\\Druckerei\\wartung.exe", "-boot", "Druckerei")},
    {L"", L"Defekt", "\xEF\xBB\xBF<?xml version=\"1.0\"?><Task><Triggers><LogonTrigger/>"},
    {L"", L"Sicherung taeglich",
     VELMORA_TASK("<CalendarTrigger><StartBoundary>2026-01-01T03:00:00</StartBoundary></CalendarTrigger>", "true",
                  "C:\\Programme\\Sicherung\\sichern.exe", "", "Sicherung")},
};
#undef VELMORA_TASK

bool SeedTasks() {
  bool ok = true;
  for (const TSampleTask& sample : kSampleTasks) {
    const std::wstring folder = TasksFolder() + sample.folder;
    CreateDirectoryW(folder.c_str(), nullptr);
    ok &= WriteWholeFile(folder + L"\\" + sample.name, sample.xml) == TWriteResult::Written;
  }
  return ok;
}

}  // namespace

int main() {
  TDesktopInteraction desktop;  // a shortcut that cannot be written is told
  SetInteraction(&desktop);
  if (!SeedRunKeys() || !SeedNewerWindowsSamples()) {
    std::fputs("velmora demo: could not write the sample Run entries\n", stderr);
    return 1;
  }
  if (!SeedWinIni() || !SeedTextFiles()) {
    std::fputs("velmora demo: could not write the sample start-up files\n", stderr);
    return 1;
  }
  CoInitialize(nullptr);
  bool linksSeeded = SeedStartupFolders();
  CoUninitialize();
  if (!linksSeeded) {
    std::fputs("velmora demo: could not write the sample shortcuts\n", stderr);
    return 1;
  }
  if (!SeedServices()) {
    std::fputs("velmora demo: could not make the sample services\n", stderr);
    return 1;
  }
  if (!SeedTasks()) {
    std::fputs("velmora demo: could not write the sample tasks\n", stderr);
    return 1;
  }
  std::puts("velmora demo: sample start-up entries written");
  return 0;
}
