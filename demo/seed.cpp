// Fills a Wine prefix with sample start-up entries of every kind, so that
// every page of Velmora has something to show. Run inside the prefix.
#include <windows.h>

#include <cstdio>
#include <string>

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

}  // namespace

int main() {
  if (!SeedRunKeys()) {
    std::fputs("velmora demo: could not write the sample Run entries\n", stderr);
    return 1;
  }
  std::puts("velmora demo: sample start-up entries written");
  return 0;
}
