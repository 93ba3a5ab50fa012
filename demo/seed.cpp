// Fills a Wine prefix with sample start-up entries of every kind, so that
// every page of Velmora has something to show. Run inside the prefix.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstdio>
#include <string>

#include "support/SheLink.h"
#include "support/SystemLocations.h"

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
    {HKEY_CURRENT_USER, "Run", "Rundll", "rundll32.exe shell32.dll,Control_RunDLL", REG_SZ},
    {HKEY_LOCAL_MACHINE, "RunServices", "Druckdienst", "C:\\WINDOWS\\SYSTEM\\spool32.exe", REG_SZ},
    {HKEY_LOCAL_MACHINE, "RunOnce", "Nachinstallation", "C:\\WINDOWS\\runonce.exe -q", REG_SZ},
    {HKEY_CURRENT_USER, "RunOnce", "Willkommen", "C:\\WINDOWS\\welcome.exe", REG_SZ},
    {HKEY_LOCAL_MACHINE, "RunServicesOnce", "Aufräumen", "C:\\WINDOWS\\cleanup.exe /s", REG_SZ},
};

bool StoreValue(HKEY root, const std::string& subKey, const char* name, const BYTE* data, DWORD size, DWORD type) {
  HKEY key;
  if (RegCreateKeyExA(root, subKey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
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

}  // namespace

int main() {
  if (!SeedRunKeys()) {
    std::fputs("velmora demo: could not write the sample Run entries\n", stderr);
    return 1;
  }
  CoInitialize(nullptr);
  bool linksSeeded = SeedStartupFolders();
  CoUninitialize();
  if (!linksSeeded) {
    std::fputs("velmora demo: could not write the sample shortcuts\n", stderr);
    return 1;
  }
  std::puts("velmora demo: sample start-up entries written");
  return 0;
}
