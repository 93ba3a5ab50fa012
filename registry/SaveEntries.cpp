// "Änderungen speichern": writes only what the list changed since the key was
// loaded. What another program changed meanwhile stays unless the user lets
// the list overwrite it; values that cannot be edited here are never touched.
#include <set>

#include "registry/RegistryPage.h"
#include "registry/RegistryTexts.h"
#include "registry/RunKeyPath.h"
#include "registry/RunRowData.h"
#include "registry/StartupStatus.h"
#include "support/KeyChanges.h"
#include "support/SwitchedOffEntries.h"
#include "support/WideText.h"
#include "toolkit/Interaction.h"

namespace {

TValueList EditableValues(const TValueList& values) {
  TValueList editable;
  for (const TRunValue& value : values)
    if (value.ansiForm) editable.push_back(value);
  return editable;
}

std::string ChangeLines(const TKeyChanges& theirs, const TValueList& loaded) {
  std::set<std::wstring> known;
  for (const TRunValue& value : loaded) known.insert(ValueIdentity(value));
  std::string lines;
  for (const TRunValue& value : theirs.written)
    lines += known.count(ValueIdentity(value)) ? RegistryTexts::ChangedElsewhere(value.name)
                                               : RegistryTexts::AddedElsewhere(value.name);
  for (const TRunValue& value : theirs.removed) lines += RegistryTexts::RemovedElsewhere(value.name);
  return lines;
}

std::string Names(const TKeyChanges& changes) {
  std::string names;
  for (const TValueList* list : {&changes.removed, &changes.written})
    for (const TRunValue& value : *list)
      names += (names.empty() ? "\"" : ", \"") + RegistryTexts::ShownName(value.name) + "\"";
  return names;
}

}  // namespace

// An unticked row stays in the key where Windows keeps it from starting:
// its task manager switched it off there, and the user left it so.
bool TRegistryPage::BelongsInKey(const TListRow& row) const {
  return row.checked || (!RunRowLoadedWaiting(row.data) && SwitchedOff(KeyApprovals, WideFromAnsi(row.caption)));
}

TValueList TRegistryPage::ListedValues(bool inKey) const {
  TValueList values;
  for (int i = 0; i < RegView.Count(); ++i) {
    TListRow row = RegView.Row(i);
    if (RunRowEditable(row.data) && BelongsInKey(row) == inKey)
      values.push_back({row.caption, row.subItem, RunRowType(row.data)});
  }
  return values;
}

// A ticked entry that Windows has switched off starts only once Windows lets
// it: the switch is written as its task manager writes it.
bool TRegistryPage::SwitchOnInWindows() {
  bool switched = true;
  for (int i = 0; i < RegView.Count(); ++i) {
    const std::string name = RegView.Caption(i);
    if (!RegView.Checked(i) || !SwitchedOff(KeyApprovals, WideFromAnsi(name))) continue;
    if (!KeyApprovals->SwitchOn(WideFromAnsi(name))) {
      ShowError(StartupStatus::CannotSwitchOnInWindows(name));
      switched = false;
    }
  }
  return switched;
}

// Only Velmora writes the sub-key, so no other program's changes to settle.
bool TRegistryPage::SaveSwitchedOff() {
  TRunKeyPath key = ResolveRunKeyPath(CurrentRegKey);
  const TKeyChanges changes = ChangesBetween(EditableValues(loadedOff_), ListedValues(false));
  bool saved = true;
  if (!changes.empty()) {
    saved = CreateSwitchedOffKey(key.root, key.subKey, key.view) &&
            WriteKeyChanges(key.root, SwitchedOffKey(key.subKey), changes, key.view);
    RemoveSwitchedOffKeyIfEmpty(key.root, key.subKey, key.view);
  }
  loadedOff_.clear();
  ReadKeyValues(key.root, SwitchedOffKey(key.subKey), loadedOff_, key.view);
  return saved;
}

void TRegistryPage::MarkRowsAsSaved() {
  for (int i = 0; i < RegView.Count(); ++i) {
    const TListRow row = RegView.Row(i);
    if (!RunRowEditable(row.data)) continue;  // never moved, and its caption is not its name
    const bool waiting = !BelongsInKey(row);
    RegView.SetData(i, waiting ? row.data | kLoadedWaiting : row.data & ~kLoadedWaiting);
    RegView.SetSubItem2(i, StatusOf(WideFromAnsi(row.caption), waiting));
  }
}

TKeyChanges TRegistryPage::SettleOtherChanges(const TKeyChanges& mine, const TKeyChanges& theirs,
                                              const TValueList& current) {
  TKeyChanges conflicts;
  TKeyChanges settled = SeparateConflicts(mine, theirs, current, conflicts);
  const std::string note = RegistryTexts::KeyChangedElsewhere(CurrentRegKey, ChangeLines(theirs, loaded_));
  if (conflicts.empty()) {
    ShowInfo(note + RegistryTexts::kOtherChangesKept);
  } else if (Confirm(note + RegistryTexts::OverwriteQuestion(Names(conflicts)))) {
    settled.removed.insert(settled.removed.end(), conflicts.removed.begin(), conflicts.removed.end());
    settled.written.insert(settled.written.end(), conflicts.written.begin(), conflicts.written.end());
  }
  return settled;
}

void TRegistryPage::SaveRegBtnClick() {
  bool changedElsewhere = false;
  {
    TPageControlBusy busy(AutoStartPageControl);
    TRunKeyPath key = ResolveRunKeyPath(CurrentRegKey);
    TValueList current;
    ReadKeyValues(key.root, key.subKey, current, key.view);
    TKeyChanges mine = ChangesBetween(EditableValues(loaded_), ListedValues(true));
    TKeyChanges theirs = ChangesBetween(loaded_, current);
    changedElsewhere = !theirs.empty();
    if (changedElsewhere) mine = SettleOtherChanges(mine, theirs, current);
    // Entries switched off are kept before they leave the key.
    const bool offSaved = SaveSwitchedOff();
    const bool keySaved = WriteKeyChanges(key.root, key.subKey, mine, key.view);
    const bool switchedOn = SwitchOnInWindows();
    const bool saved = keySaved && offSaved && switchedOn;
    if (saved) {
      MarkRowsAsSaved();
      ShowInfo(RegistryTexts::kSaved);
    }
    // After a failure the list still holds what the key lacks.
    RegChanged = !saved;
    loaded_.clear();
    ReadKeyValues(key.root, key.subKey, loaded_, key.view);
  }
  // The list would hide the other program's values: show the key as it is.
  if (changedElsewhere) LoadRegKey(CurrentRegKey);
}
