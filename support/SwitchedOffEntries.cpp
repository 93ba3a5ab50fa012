#include "support/SwitchedOffEntries.h"

#include <vector>

#include "support/RegKey.h"
#include "support/Tools.h"
#include "support/WideFiles.h"
#include "support/WideText.h"
#include "toolkit/Interaction.h"

namespace {

std::string CannotMove(const std::string& name) {
  return "Konnte Eintrag \"" + name + "\" nicht verschieben! Er bleibt, wo er war.";
}

// A registry value as stored: type and data bytes, untouched. The NT family
// keeps text as UTF-16, which only the wide functions hand over unchanged;
// the 9x family has the ANSI functions only, and stores what they pass.
struct TStoredBytes {
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
};

bool Exists(HKEY key, const std::string& name) {
  LONG result = IsWinNT ? RegQueryValueExW(key, WideFromAnsi(name).c_str(), nullptr, nullptr, nullptr, nullptr)
                        : RegQueryValueExA(key, name.c_str(), nullptr, nullptr, nullptr, nullptr);
  return result == ERROR_SUCCESS;
}

bool ReadBytes(HKEY key, const std::string& name, TStoredBytes& value) {
  const std::wstring wideName = WideFromAnsi(name);
  auto query = [&](BYTE* data, DWORD* size) {
    return IsWinNT ? RegQueryValueExW(key, wideName.c_str(), nullptr, &value.type, data, size)
                   : RegQueryValueExA(key, name.c_str(), nullptr, &value.type, data, size);
  };
  DWORD size = 0;
  if (query(nullptr, &size) != ERROR_SUCCESS) return false;
  value.data.resize(size);
  if (query(value.data.data(), &size) != ERROR_SUCCESS) return false;
  value.data.resize(size);
  return value.type == REG_SZ || value.type == REG_EXPAND_SZ;
}

bool WriteBytes(HKEY key, const std::string& name, const TStoredBytes& value) {
  const DWORD size = static_cast<DWORD>(value.data.size());
  LONG result = IsWinNT ? RegSetValueExW(key, WideFromAnsi(name).c_str(), 0, value.type, value.data.data(), size)
                        : RegSetValueExA(key, name.c_str(), 0, value.type, value.data.data(), size);
  return result == ERROR_SUCCESS;
}

bool DeleteValue(HKEY key, const std::string& name) {
  LONG result = IsWinNT ? RegDeleteValueW(key, WideFromAnsi(name).c_str()) : RegDeleteValueA(key, name.c_str());
  return result == ERROR_SUCCESS;
}

// Copies, then deletes the source; a source that cannot be deleted takes
// the copy back, so the entry is never in both places.
bool MoveValue(HKEY from, HKEY to, const std::string& name) {
  TStoredBytes value;
  if (!ReadBytes(from, name, value) || !WriteBytes(to, name, value)) return false;
  if (DeleteValue(from, name)) return true;
  DeleteValue(to, name);
  return false;
}

}  // namespace

std::string ReplaceQuestion(const std::string& name) {
  return "Es gibt bereits einen Eintrag \"" + name + "\". Soll er ersetzt werden?";
}

bool CreateSwitchedOffKey(HKEY root, const std::string& runKey, REGSAM view) {
  return static_cast<bool>(TRegKey(root, SwitchedOffKey(runKey), KEY_QUERY_VALUE | view, TRegKey::Create));
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

std::string SwitchedOffKey(const std::string& runKey) { return runKey + "\\" + kSwitchedOffName; }

std::string SwitchedOffFolder(const std::string& folder) {
  return WithFinalBackslash(folder) + kSwitchedOffName + "\\";
}

namespace {

bool MoveRunValue(HKEY root, const std::string& runKey, const std::string& name, bool on) {
  const REGSAM access = KEY_QUERY_VALUE | KEY_SET_VALUE;
  TRegKey runValues(root, runKey, access, TRegKey::Create), waiting(root, SwitchedOffKey(runKey), access, TRegKey::Create);
  if (!runValues || !waiting) {
    ShowError(CannotMove(name));
    return false;
  }
  HKEY from = on ? waiting.Handle() : runValues.Handle();
  HKEY to = on ? runValues.Handle() : waiting.Handle();
  if (Exists(to, name) && !Confirm(ReplaceQuestion(name))) return false;
  if (MoveValue(from, to, name)) return true;
  ShowError(CannotMove(name));
  return false;
}

bool MoveLink(const std::wstring& from, const std::wstring& to, const std::string& shownName) {
  if (PathExists(to)) {
    if (!Confirm(ReplaceQuestion(shownName))) return false;
    DeletePath(to);  // a file that stays makes the move fail, and that is reported
  }
  if (MovePath(from, to)) return true;
  ShowError(CannotMove(shownName));
  return false;
}

}  // namespace

bool SwitchRunValue(HKEY root, const std::string& runKey, const std::string& name, bool on) {
  const bool moved = MoveRunValue(root, runKey, name, on);
  RemoveSwitchedOffKeyIfEmpty(root, runKey);
  return moved;
}

bool SwitchLink(const std::string& folder, const std::wstring& fileName, bool on) {
  const std::wstring waitingFolder = WideFromAnsi(SwitchedOffFolder(folder));
  const std::wstring active = WideFromAnsi(WithFinalBackslash(folder)) + fileName, waiting = waitingFolder + fileName;
  const std::string shownName = AnsiFromWide(fileName);
  if (!MakeFolder(waitingFolder)) {
    ShowError(CannotMove(shownName));
    return false;
  }
  const bool moved = on ? MoveLink(waiting, active, shownName) : MoveLink(active, waiting, shownName);
  RemoveFolderIfEmpty(waitingFolder);
  return moved;
}
