#include "tests/SeededRegistry.h"

#include <gtest/gtest.h>

TSeededKey::TSeededKey(HKEY root, const std::string& subKey, REGSAM view) : root_(root), view_(view) {
  for (size_t end = subKey.find('\\'); created_.empty(); end = subKey.find('\\', end + 1)) {
    const std::string part = subKey.substr(0, end);
    HKEY key;
    if (RegOpenKeyExA(root, part.c_str(), 0, KEY_READ | view, &key) == ERROR_SUCCESS)
      RegCloseKey(key);
    else
      created_ = part;
    if (end == std::string::npos) break;
  }
  HKEY key;
  RegCreateKeyExA(root, subKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS | view, nullptr, &key, nullptr);
  RegCloseKey(key);
}

TSeededKey::~TSeededKey() {
  if (created_.empty()) return;
  const size_t last = created_.rfind('\\');
  HKEY parent;
  if (RegOpenKeyExA(root_, created_.substr(0, last).c_str(), 0, KEY_ALL_ACCESS | view_, &parent) != ERROR_SUCCESS)
    return;
  RegDeleteTreeA(parent, created_.substr(last + 1).c_str());
  RegCloseKey(parent);
}

TSeededValue::TSeededValue(HKEY root, const std::string& subKey, const TStoredValue& value, REGSAM view)
    : key_(root, subKey, view), kept_(root, subKey, value.name, view) {
  StoreValue(root, subKey, value, view);
}

std::vector<std::unique_ptr<TSeededValue>> StoreSeeds(const std::vector<TSeed>& seeds) {
  std::vector<std::unique_ptr<TSeededValue>> stored;
  for (const TSeed& seed : seeds)
    stored.push_back(std::make_unique<TSeededValue>(seed.root, seed.subKey, seed.value, seed.view));
  return stored;
}

void ImportWithRegedit(const std::string& file) {
  std::string command = "regedit.exe /s \"" + file + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
  WaitForSingleObject(process.hProcess, 30000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}
