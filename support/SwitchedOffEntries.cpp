#include "support/SwitchedOffEntries.h"

#include "support/Tools.h"

std::string ReplaceQuestion(const std::string& name) {
  return "Es gibt bereits einen Eintrag \"" + name + "\". Soll er ersetzt werden?";
}

std::string SwitchedOffKey(const std::string& runKey) { return runKey + "\\" + kSwitchedOffName; }

std::string SwitchedOffFolder(const std::string& folder) {
  return WithFinalBackslash(folder) + kSwitchedOffName + "\\";
}

LONG CreateSwitchedOffKey(HKEY root, const std::string& runKey, REGSAM view) {
  HKEY parent, key;
  LONG result = RegOpenKeyExA(root, runKey.c_str(), 0, KEY_CREATE_SUB_KEY | view, &parent);
  if (result != ERROR_SUCCESS) return result;
  result = RegCreateKeyExA(parent, kSwitchedOffName, 0, nullptr, 0, KEY_QUERY_VALUE, nullptr, &key, nullptr);
  if (result == ERROR_SUCCESS) RegCloseKey(key);
  RegCloseKey(parent);
  return result;
}

// The sub-key goes with its last entry, so nothing is left behind once every
// entry is on again; one that holds sub-keys of its own is not touched.
void RemoveSwitchedOffKeyIfEmpty(HKEY root, const std::string& runKey, REGSAM view) {
  HKEY parent, key;
  if (RegOpenKeyExA(root, runKey.c_str(), 0, KEY_QUERY_VALUE | view, &parent) != ERROR_SUCCESS) return;
  if (RegOpenKeyExA(parent, kSwitchedOffName, 0, KEY_QUERY_VALUE, &key) == ERROR_SUCCESS) {
    DWORD subKeys = 1, values = 1;
    RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values, nullptr, nullptr, nullptr,
                     nullptr);
    RegCloseKey(key);
    // Deleted through the Run key's handle, so in the view it was opened in.
    if (subKeys == 0 && values == 0) RegDeleteKeyA(parent, kSwitchedOffName);
  }
  RegCloseKey(parent);
}
