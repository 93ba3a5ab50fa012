#include "tests/RegistrySandbox.h"

#include <ostream>

#include "registry/RunKeyPath.h"
#include "support/SwitchedOffEntries.h"

namespace {
constexpr char kRunKeys[] = "Software\\Microsoft\\Windows\\CurrentVersion\\";
}

const std::vector<std::string> kRunKeyPaths = {
    RunKeyPath("HKEY_LOCAL_MACHINE", "Run"),         RunKeyPath("HKEY_CURRENT_USER", "Run"),
    RunKeyPath("HKEY_LOCAL_MACHINE", "RunServices"), RunKeyPath("HKEY_LOCAL_MACHINE", "RunOnce"),
    RunKeyPath("HKEY_CURRENT_USER", "RunOnce"),      RunKeyPath("HKEY_LOCAL_MACHINE", "RunServicesOnce"),
    RunKey32Path("Run"),
    RunKey32Path("RunOnce"),
    RunKeyPath("HKEY_LOCAL_MACHINE", "Policies\\Explorer\\Run"),
    RunKeyPath("HKEY_CURRENT_USER", "Policies\\Explorer\\Run"),
};

std::string RunKeyPath(const char* rootName, const char* keyName) {
  return std::string(rootName) + "\\" + kRunKeys + keyName;
}

std::string RunKey32Path(const char* keyName) {
  return std::string("HKEY_LOCAL_MACHINE\\SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\") + keyName;
}

std::ostream& operator<<(std::ostream& out, const TStoredValue& value) {
  return out << "{\"" << value.name << "\", \"" << value.data << "\", type " << value.type << "}";
}

std::vector<TStoredValue> StoredValues(HKEY root, const std::string& subKey, REGSAM view) {
  std::vector<TStoredValue> values;
  HKEY key;
  if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS) return values;
  std::vector<char> name(32768);
  std::vector<BYTE> data(1 << 20);
  for (DWORD index = 0;; ++index) {
    DWORD nameSize = static_cast<DWORD>(name.size()), dataSize = static_cast<DWORD>(data.size()), type = 0;
    if (RegEnumValueA(key, index, name.data(), &nameSize, nullptr, &type, data.data(), &dataSize) != ERROR_SUCCESS)
      break;
    std::string bytes(reinterpret_cast<char*>(data.data()), dataSize);
    if ((type == REG_SZ || type == REG_EXPAND_SZ) && !bytes.empty() && bytes.back() == '\0') bytes.pop_back();
    values.push_back({std::string(name.data(), nameSize), bytes, type});
  }
  RegCloseKey(key);
  return values;
}

void StoreValue(HKEY root, const std::string& subKey, const TStoredValue& value, REGSAM view) {
  HKEY key;
  RegCreateKeyExA(root, subKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view, nullptr, &key, nullptr);
  std::string bytes = value.data;
  if (value.type == REG_SZ || value.type == REG_EXPAND_SZ) bytes.push_back('\0');
  RegSetValueExA(key, value.name.c_str(), 0, value.type, reinterpret_cast<const BYTE*>(bytes.data()),
                 static_cast<DWORD>(bytes.size()));
  RegCloseKey(key);
}

void StoreString(HKEY root, const std::string& subKey, const std::string& name, const std::string& data, DWORD type) {
  StoreValue(root, subKey, {name, data, type});
}

void DeleteValue(HKEY root, const std::string& subKey, const std::string& name, REGSAM view) {
  HKEY key;
  if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_SET_VALUE | view, &key) != ERROR_SUCCESS) return;
  RegDeleteValueA(key, name.c_str());
  RegCloseKey(key);
}

void DeleteAllValues(HKEY root, const std::string& subKey, REGSAM view) {
  HKEY key;
  if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_SET_VALUE | view, &key) != ERROR_SUCCESS) return;
  for (const TWideValue& value : StoredWideValues(root, subKey, view)) RegDeleteValueW(key, value.name.c_str());
  RegCloseKey(key);
}

std::ostream& operator<<(std::ostream& out, const TWideValue& value) {
  out << "{name";
  for (wchar_t c : value.name) out << ' ' << static_cast<unsigned>(c);
  return out << ", " << value.bytes.size() << " bytes, type " << value.type << "}";
}

std::vector<TWideValue> StoredWideValues(HKEY root, const std::string& subKey, REGSAM view) {
  std::vector<TWideValue> values;
  HKEY key;
  if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS) return values;
  std::vector<wchar_t> name(32768);
  std::vector<BYTE> data(1 << 20);
  for (DWORD index = 0;; ++index) {
    DWORD nameSize = static_cast<DWORD>(name.size()), dataSize = static_cast<DWORD>(data.size()), type = 0;
    if (RegEnumValueW(key, index, name.data(), &nameSize, nullptr, &type, data.data(), &dataSize) != ERROR_SUCCESS)
      break;
    values.push_back({std::wstring(name.data(), nameSize), std::string(reinterpret_cast<char*>(data.data()), dataSize),
                      type});
  }
  RegCloseKey(key);
  return values;
}

void StoreWideValue(HKEY root, const std::string& subKey, const TWideValue& value, REGSAM view) {
  HKEY key;
  RegCreateKeyExA(root, subKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view, nullptr, &key, nullptr);
  RegSetValueExW(key, value.name.c_str(), 0, value.type, reinterpret_cast<const BYTE*>(value.bytes.data()),
                 static_cast<DWORD>(value.bytes.size()));
  RegCloseKey(key);
}

std::string WideTextBytes(const std::wstring& text) {
  return std::string(reinterpret_cast<const char*>(text.c_str()), (text.size() + 1) * sizeof(wchar_t));
}

void StoreWideString(HKEY root, const std::string& subKey, const std::wstring& name, const std::wstring& data,
                     DWORD type) {
  StoreWideValue(root, subKey, {name, WideTextBytes(data), type});
}

namespace {
void EmptyRunKeys() {
  for (const std::string& path : kRunKeyPaths) {
    TRunKeyPath key = ResolveRunKeyPath(path);
    HKEY handle;
    RegCreateKeyExA(key.root, key.subKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | key.view, nullptr, &handle,
                    nullptr);
    RegDeleteTreeA(handle, kSwitchedOffName);  // through the handle: in the key's own view
    RegCloseKey(handle);
    DeleteAllValues(key.root, key.subKey, key.view);
  }
}
}  // namespace

TRunKeysSandbox::TRunKeysSandbox() { EmptyRunKeys(); }
TRunKeysSandbox::~TRunKeysSandbox() { EmptyRunKeys(); }

TScratchKey::TScratchKey(const std::string& name) : subKey_("Software\\VelmoraTests\\" + name) {
  RegDeleteTreeA(HKEY_CURRENT_USER, subKey_.c_str());
  HKEY key;
  RegCreateKeyExA(HKEY_CURRENT_USER, subKey_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
  RegCloseKey(key);
}

TScratchKey::~TScratchKey() { RegDeleteTreeA(HKEY_CURRENT_USER, subKey_.c_str()); }

TKeptValue::TKeptValue(HKEY root, const std::string& subKey, const std::string& name, REGSAM view)
    : root_(root), subKey_(subKey), name_(name), view_(view) {
  for (const TStoredValue& value : StoredValues(root, subKey, view))
    if (lstrcmpiA(value.name.c_str(), name.c_str()) == 0) {
      existed_ = true;
      original_ = value;
    }
}

TKeptValue::~TKeptValue() {
  if (existed_)
    StoreValue(root_, subKey_, original_, view_);
  else
    Delete();
}

void TKeptValue::Set(const std::string& data) { StoreValue(root_, subKey_, {name_, data}, view_); }

void TKeptValue::Delete() { DeleteValue(root_, subKey_, name_, view_); }

namespace {
std::string StartupApprovedKey(const std::string& list) {
  return "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\" + list;
}
}  // namespace

TStartupApprovedValues::~TStartupApprovedValues() {
  for (const TPlace& place : stored_) DeleteValue(place.root, place.subKey, place.name);
}

void TStartupApprovedValues::Store(HKEY root, const std::string& list, const TStoredValue& value) {
  StoreValue(root, StartupApprovedKey(list), value);
  stored_.push_back({root, StartupApprovedKey(list), value.name});
}

void TStartupApprovedValues::SwitchOff(HKEY root, const std::string& list, const std::string& name,
                                       const SYSTEMTIME& localTime) {
  FILETIME local, utc;
  SystemTimeToFileTime(&localTime, &local);
  LocalFileTimeToFileTime(&local, &utc);
  std::string bytes("\x03\0\0\0", 4);
  bytes.append(reinterpret_cast<const char*>(&utc), sizeof utc);  // little-endian, as Windows stores it
  Store(root, list, {name, bytes, REG_BINARY});
}

const std::string TStartupApprovedValues::kSwitchedOn = std::string("\x02") + std::string(11, '\0');

void TStartupApprovedValues::SwitchOn(HKEY root, const std::string& list, const std::string& name) {
  Store(root, list, {name, kSwitchedOn, REG_BINARY});
}

std::string TStartupApprovedValues::Bytes(HKEY root, const std::string& list, const std::string& name) {
  for (const TStoredValue& value : StoredValues(root, StartupApprovedKey(list)))
    if (lstrcmpiA(value.name.c_str(), name.c_str()) == 0) return value.data;
  return "";
}

SYSTEMTIME LocalTime(WORD year, WORD month, WORD day, WORD hour, WORD minute) {
  SYSTEMTIME time = {};
  time.wYear = year;
  time.wMonth = month;
  time.wDay = day;
  time.wHour = hour;
  time.wMinute = minute;
  return time;
}
