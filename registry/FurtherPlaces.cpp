#include "registry/FurtherPlaces.h"

#include <algorithm>
#include <functional>

#include "support/AnsiText.h"
#include "support/StartupEntry.h"
#include "support/SystemLocations.h"
#include "support/Tools.h"
#include "support/WideText.h"
#include "support/WindowsVersion.h"

namespace {

constexpr char kLocalMachine[] = "HKEY_LOCAL_MACHINE\\";
constexpr char kCurrentUser[] = "HKEY_CURRENT_USER\\";
constexpr char kNtVersion[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\";
constexpr char kVersion[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\";

using TWarningOf = std::function<TFurtherWarning(const TKeyValue&, const TKeyValues& key)>;

// One place: the values of a key (or of each of its sub-keys) that start
// programs, all of them when no names are given.
struct TFurtherPlace {
  HKEY root;
  std::string subKey;
  std::vector<std::wstring> names;
  bool eachSubKey = false;
  TWarningOf warning;
};

bool SameText(const std::wstring& a, const std::wstring& b) { return NameIdentity(a) == NameIdentity(b); }

std::wstring Trimmed(const std::wstring& text) {
  const size_t first = text.find_first_not_of(L" \t");
  if (first == std::wstring::npos) return L"";
  return text.substr(first, text.find_last_not_of(L" \t") - first + 1);
}

const TKeyValue* Named(const TKeyValues& values, const std::wstring& name) {
  for (const TKeyValue& value : values)
    if (SameText(value.name, name)) return &value;
  return nullptr;
}

std::vector<std::wstring> MultiTexts(const TKeyValue& value) {
  std::vector<std::wstring> texts;
  std::wstring all(value.bytes.size() / sizeof(wchar_t), L'\0');
  std::copy_n(value.bytes.data(), all.size() * sizeof(wchar_t), reinterpret_cast<char*>(all.data()));
  for (size_t start = 0; start < all.size();) {
    const size_t end = std::min(all.find(L'\0', start), all.size());
    if (end == start) break;  // the empty text that ends the list
    texts.push_back(all.substr(start, end - start));
    start = end + 1;
  }
  return texts;
}

DWORD DwordOf(const TKeyValue& value) {
  DWORD number = 0;
  std::copy_n(value.bytes.data(), std::min(value.bytes.size(), sizeof number), reinterpret_cast<char*>(&number));
  return number;
}

// The NT family's system folder is always system32 in the Windows folder.
std::wstring WindowsUserinit() { return WideFromAnsi(GetWinDir()) + L"\\system32\\userinit.exe"; }

TFurtherWarning ShellWarning(const TKeyValue& value, const TKeyValues&) {
  return IsText(value.type) && SameText(Trimmed(TextOf(value)), L"explorer.exe") ? TFurtherWarning::None
                                                                                   : TFurtherWarning::NotWindowsShell;
}

// Windows writes the system folder's userinit.exe with a comma after it.
TFurtherWarning UserinitWarning(const TKeyValue& value, const TKeyValues&) {
  std::wstring text = IsText(value.type) ? Trimmed(TextOf(value)) : L"?";
  if (!text.empty() && text.back() == L',') text.pop_back();
  return SameText(text, WindowsUserinit()) ? TFurtherWarning::None : TFurtherWarning::NotWindowsUserinit;
}

TFurtherWarning NotFromWindows(const TKeyValue&, const TKeyValues&) { return TFurtherWarning::NotFromWindows; }

// Windows 7 and later load the DLLs only while LoadAppInit_DLLs is not 0;
// earlier versions know no such switch and always load them.
TFurtherWarning AppInitWarning(const TKeyValue& value, const TKeyValues& key) {
  if (!SameText(value.name, L"AppInit_DLLs")) return TFurtherWarning::None;
  const TKeyValue* load = Named(key, L"LoadAppInit_DLLs");
  return load && load->type == REG_DWORD && DwordOf(*load) == 0 ? TFurtherWarning::AppInitNotLoaded
                                                                  : TFurtherWarning::AppInitLoaded;
}

TFurtherWarning DebuggerWarning(const TKeyValue&, const TKeyValues&) { return TFurtherWarning::Debugger; }

TFurtherWarning BootExecuteWarning(const TKeyValue& value, const TKeyValues&) {
  if (value.type != REG_MULTI_SZ) return TFurtherWarning::BootExecute;
  for (const std::wstring& text : MultiTexts(value))
    if (!SameText(Trimmed(text), L"autocheck autochk *")) return TFurtherWarning::BootExecute;
  return TFurtherWarning::None;
}

// REG_MULTI_SZ in a REGEDIT4 file: each text in ANSI with its zero, and the
// zero that ends the list.
std::string MultiAnsiBytes(const std::vector<std::wstring>& texts) {
  std::string bytes;
  for (const std::wstring& text : texts) bytes += AnsiForm(text) + '\0';
  return bytes + '\0';
}

TFurtherWarning NoWarning(const TKeyValue&, const TKeyValues&) { return TFurtherWarning::None; }

const std::vector<TFurtherPlace>& FurtherPlaces() {
  static const std::string winlogon = std::string(kNtVersion) + "Winlogon";
  static const std::string tsInstall = std::string(kNtVersion) + "Terminal Server\\Install\\" + kVersion;
  static const std::vector<TFurtherPlace> places = {
      {HKEY_LOCAL_MACHINE, winlogon, {L"Shell"}, false, ShellWarning},
      {HKEY_LOCAL_MACHINE, winlogon, {L"Userinit"}, false, UserinitWarning},
      {HKEY_LOCAL_MACHINE, winlogon, {L"Taskman", L"AppSetup"}, false, NotFromWindows},
      {HKEY_CURRENT_USER, winlogon, {L"Shell"}, false, NotFromWindows},
      {HKEY_LOCAL_MACHINE, std::string(kNtVersion) + "Windows", {L"AppInit_DLLs", L"LoadAppInit_DLLs"}, false,
       AppInitWarning},
      {HKEY_LOCAL_MACHINE, std::string(kNtVersion) + "Image File Execution Options", {L"Debugger"}, true,
       DebuggerWarning},
      {HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Control\\Session Manager", {L"BootExecute"}, false,
       BootExecuteWarning},
      {HKEY_LOCAL_MACHINE, std::string(kVersion) + "RunOnceEx", {}, true, NoWarning},
      {HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Active Setup\\Installed Components", {L"StubPath"}, true,
       NoWarning},
      {HKEY_LOCAL_MACHINE, std::string(kVersion) + "ShellServiceObjectDelayLoad", {}, false, NoWarning},
      {HKEY_LOCAL_MACHINE, tsInstall + "Run", {}, false, NoWarning},
      {HKEY_LOCAL_MACHINE, tsInstall + "RunOnce", {}, false, NoWarning},
  };
  return places;
}

std::vector<std::string> SubKeyNames(HKEY root, const std::string& subKey, REGSAM view) {
  std::vector<std::string> names;
  HKEY key;
  if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_ENUMERATE_SUB_KEYS | view, &key) != ERROR_SUCCESS) return names;
  char name[512];  // the longest key name the registry allows, two bytes a character, and its zero
  for (DWORD index = 0;; ++index) {
    DWORD size = static_cast<DWORD>(std::size(name));
    if (RegEnumKeyExA(key, index, name, &size, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
    names.emplace_back(name, size);
  }
  RegCloseKey(key);
  return names;
}

bool Wanted(const TFurtherPlace& place, const TKeyValue& value) {
  if (place.names.empty()) return !value.name.empty();  // the default value names a group, it starts nothing
  return std::any_of(place.names.begin(), place.names.end(),
                     [&](const std::wstring& name) { return SameText(name, value.name); });
}

bool IsSoftwareKey(const TFurtherPlace& place) {
  return place.root == HKEY_LOCAL_MACHINE && place.subKey.compare(0, 9, "SOFTWARE\\") == 0;
}

// "HKEY_LOCAL_MACHINE\SOFTWARE\Wow6432Node\...", as the Registry page names
// the 32-bit view.
std::string Location(HKEY root, const std::string& subKey, REGSAM view) {
  if (root == HKEY_CURRENT_USER) return kCurrentUser + subKey;
  if (view != KEY_WOW64_32KEY) return kLocalMachine + subKey;
  return std::string(kLocalMachine) + "SOFTWARE\\Wow6432Node\\" + subKey.substr(9);
}

void ReadKey(const TFurtherPlace& place, const std::string& subKey, REGSAM view, std::vector<TFurtherEntry>& entries,
             const std::vector<TFurtherEntry>& nativeView) {
  const std::optional<TKeyValues> values = ReadKeyValues(place.root, subKey, view);
  if (!values) return;
  for (const TKeyValue& value : *values) {
    if (!Wanted(place, value)) continue;
    const std::string native = Location(place.root, subKey, 0);
    const bool shared = std::any_of(nativeView.begin(), nativeView.end(), [&](const TFurtherEntry& seen) {
      return seen.location == native && seen.value == value;
    });
    if (!shared) entries.push_back({Location(place.root, subKey, view), value, place.warning(value, *values)});
  }
}

void ReadPlace(const TFurtherPlace& place, REGSAM view, std::vector<TFurtherEntry>& entries,
               const std::vector<TFurtherEntry>& nativeView) {
  if (!place.eachSubKey) return ReadKey(place, place.subKey, view, entries, nativeView);
  for (const std::string& name : SubKeyNames(place.root, place.subKey, view))
    ReadKey(place, place.subKey + "\\" + name, view, entries, nativeView);
}

TRegExportRow ExportRow(const TKeyValue& value) {
  const std::string name = AnsiForm(value.name);
  if (IsText(value.type)) return {name, AnsiForm(TextOf(value)), value.type == REG_EXPAND_SZ};
  if (value.type == REG_DWORD) return TRegExportRow::OfData(name, DwordData(DwordOf(value)));
  if (value.type == REG_MULTI_SZ)
    return TRegExportRow::OfData(name, HexData(REG_MULTI_SZ, MultiAnsiBytes(MultiTexts(value))));
  return TRegExportRow::OfData(name, HexData(value.type, value.bytes));
}

}  // namespace

std::vector<TFurtherEntry> ReadFurtherPlaces() {
  std::vector<TFurtherEntry> entries;
  if (!IsWinNT) return entries;
  for (const TFurtherPlace& place : FurtherPlaces()) {
    std::vector<TFurtherEntry> native;
    ReadPlace(place, NativeRegistryView(), native, {});
    entries.insert(entries.end(), native.begin(), native.end());
    if (IsWin64() && IsSoftwareKey(place)) ReadPlace(place, KEY_WOW64_32KEY, entries, native);
  }
  return entries;
}

std::wstring ShownValue(const TKeyValue& value) {
  if (IsText(value.type)) return TextOf(value);
  if (value.type == REG_DWORD) return WideFromAnsi(std::to_string(DwordOf(value)));
  std::wstring shown;
  if (value.type == REG_MULTI_SZ) {
    for (const std::wstring& text : MultiTexts(value)) shown += (shown.empty() ? L"" : L"; ") + text;
    return shown;
  }
  return WideFromAnsi(HexData(REG_BINARY, value.bytes).substr(4));
}

std::vector<TRegExportKey> FurtherExportKeys(const std::vector<TFurtherEntry>& entries) {
  std::vector<TRegExportKey> keys;
  for (const TFurtherEntry& entry : entries) {
    auto key = std::find_if(keys.begin(), keys.end(), [&](const TRegExportKey& k) { return k.path == entry.location; });
    if (key == keys.end()) key = keys.insert(keys.end(), {entry.location, {}});
    key->rows.push_back(ExportRow(entry.value));
  }
  return keys;
}
