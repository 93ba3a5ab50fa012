#include "backup/RestoreInformation.h"

#include <windows.h>

namespace {

// The profile functions cut at the buffer's end: grow it until all fits.
std::vector<char> ProfileString(const char* section, const char* key, const std::string& file) {
  std::vector<char> buffer(4096);
  for (;;) {
    DWORD length = GetPrivateProfileStringA(section, key, "", buffer.data(), static_cast<DWORD>(buffer.size()),
                                            file.c_str());
    if (length + 2 < buffer.size()) {
      buffer.resize(length + 2);
      return buffer;
    }
    buffer.resize(buffer.size() * 4);
  }
}

}  // namespace

std::vector<std::string> IniKeys(const std::string& file, const std::string& section) {
  std::vector<char> list = ProfileString(section.c_str(), nullptr, file);
  std::vector<std::string> keys;
  for (const char* key = list.data(); *key; key += lstrlenA(key) + 1) keys.push_back(key);
  return keys;
}

std::string IniValue(const std::string& file, const std::string& section, const std::string& key) {
  return ProfileString(section.c_str(), key.c_str(), file).data();
}
