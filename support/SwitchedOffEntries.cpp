#include "support/SwitchedOffEntries.h"

#include "support/Tools.h"
#include "support/WideFiles.h"
#include "support/WideText.h"
#include "toolkit/Interaction.h"

namespace {

std::string CannotMove(const std::string& name) {
  return "Konnte Eintrag \"" + name + "\" nicht verschieben! Er bleibt, wo er war.";
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
