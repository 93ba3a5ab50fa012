#include "support/RegIniFile.h"

#include <algorithm>

#include "support/RegKey.h"
#include "support/Tools.h"
#include "toolkit/Interaction.h"

namespace {

constexpr DWORD kKeyNameSize = 1023;

}  // namespace

TTheRegIniFile::~TTheRegIniFile() { CloseKey(); }

std::string TTheRegIniFile::KeyPath() const {
  std::string path = Area;
  if (!path.empty() && path.front() == '\\') path.erase(0, 1);
  if (!path.empty() && path.back() != '\\') path += '\\';
  return path + Section;
}

bool TTheRegIniFile::Begin() {
  errorCode_ = kOk;
  if (!Area.empty() && !Section.empty()) return true;
  Interaction().MessageDlg("Bitte Area und Section angeben.", TMsgDlgType::Custom, TMsgDlgButtons::Ok);
  return false;
}

void TTheRegIniFile::CloseKey() {
  if (openKey_) RegCloseKey(openKey_);
  openKey_ = nullptr;
}

void TTheRegIniFile::CreateKey(const std::string& path) const {
  std::string keyClass = ProgramFileName();
  HKEY created = nullptr;
  if (RegCreateKeyExA(RegKey, path.c_str(), 0, keyClass.data(), REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                      &created, nullptr) == ERROR_SUCCESS)
    RegCloseKey(created);
}

HKEY TTheRegIniFile::OpenKey(TMode mode) {
  std::string path = KeyPath();
  if (openKey_ && openRoot_ == RegKey && openPath_ == path && openMode_ == mode) return openKey_;
  CloseKey();
  REGSAM access = mode == TMode::Read ? KEY_QUERY_VALUE : KEY_SET_VALUE;
  HKEY key = nullptr;
  if (RegOpenKeyExA(RegKey, path.c_str(), 0, access, &key) != ERROR_SUCCESS) {
    CreateKey(path);
    if (RegOpenKeyExA(RegKey, path.c_str(), 0, access, &key) != ERROR_SUCCESS) return nullptr;
  }
  openKey_ = key;
  openRoot_ = RegKey;
  openPath_ = path;
  openMode_ = mode;
  return key;
}

std::string TTheRegIniFile::ReadString(const std::string& name, const std::string& defaultValue) {
  if (!Begin()) return defaultValue;
  std::optional<std::string> text = QueryRegText(OpenKey(TMode::Read), name);
  if (!text) {
    errorCode_ = kReadFailed;
    return defaultValue;
  }
  return *text;
}

void TTheRegIniFile::WriteString(const std::string& name, const std::string& value) {
  if (!Begin()) return;
  HKEY key = OpenKey(TMode::Write);
  if (!key || RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                             static_cast<DWORD>(value.size() + 1)) != ERROR_SUCCESS)
    errorCode_ = kWriteFailed;
}

int TTheRegIniFile::ReadInteger(const std::string& name, int defaultValue) {
  if (!Begin()) return defaultValue;
  HKEY key = name.empty() ? nullptr : OpenKey(TMode::Read);
  BYTE data[4] = {};
  DWORD size = sizeof data;
  if (!key || RegQueryValueExA(key, name.c_str(), nullptr, nullptr, data, &size) != ERROR_SUCCESS) {
    errorCode_ = kReadFailed;
    return defaultValue;
  }
  return static_cast<int>(data[0] | data[1] << 8 | data[2] << 16 | static_cast<unsigned>(data[3]) << 24);
}

void TTheRegIniFile::WriteInteger(const std::string& name, int value) {
  if (!Begin()) return;
  HKEY key = OpenKey(TMode::Write);
  DWORD data = static_cast<DWORD>(value);
  if (!key || RegSetValueExA(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data), sizeof data) !=
                  ERROR_SUCCESS)
    errorCode_ = kWriteFailed;
}

void TTheRegIniFile::AppendDirectSubKeys(const std::string& path, std::vector<std::string>& keys) const {
  HKEY key = nullptr;
  if (RegOpenKeyExA(RegKey, path.c_str(), 0, KEY_ENUMERATE_SUB_KEYS, &key) != ERROR_SUCCESS) return;
  for (DWORD index = 0;; ++index) {
    char name[kKeyNameSize + 1] = {}, keyClass[kKeyNameSize + 1] = {};
    DWORD nameSize = kKeyNameSize, classSize = kKeyNameSize;
    if (RegEnumKeyExA(key, index, name, &nameSize, nullptr, keyClass, &classSize, nullptr) != ERROR_SUCCESS) break;
    keys.push_back(path + "\\" + name);
  }
  RegCloseKey(key);
}

std::vector<std::string> TTheRegIniFile::SubKeysBelow(const std::string& path) const {
  std::vector<std::string> keys;
  AppendDirectSubKeys(path, keys);
  for (size_t i = 0; i < keys.size(); ++i) AppendDirectSubKeys(std::string(keys[i]), keys);
  return keys;
}

void TTheRegIniFile::EraseSection(bool deleteKey) {
  if (!Begin()) return;
  CloseKey();
  std::string path = KeyPath();
  std::vector<std::string> keys = SubKeysBelow(path);
  // A key's path is a prefix of its children's, so it sorts before them and
  // going backwards deletes every child before its parent.
  std::sort(keys.begin(), keys.end(),
            [](const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) < 0; });
  for (auto key = keys.rbegin(); key != keys.rend(); ++key) RegDeleteKeyA(RegKey, key->c_str());
  if (deleteKey && RegDeleteKeyA(RegKey, path.c_str()) != ERROR_SUCCESS) errorCode_ = kKeyNotDeleted;
}
