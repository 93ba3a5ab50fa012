#include "registry/RunKeySave.h"

#include <algorithm>

#include "registry/StartupStatus.h"
#include "support/SwitchedOffEntries.h"

namespace {

using TValuesByName = std::map<std::wstring, TKeyValue>;

TValuesByName ByName(const std::optional<TKeyValues>& values) {
  TValuesByName byName;
  if (values)
    for (const TKeyValue& value : *values) byName[NameIdentity(value.name)] = value;
  return byName;
}

TKeyValues Values(const TValuesByName& byName) {
  TKeyValues values;
  for (const auto& [identity, value] : byName) values.push_back(value);
  return values;
}

bool Same(const TKeyValue* a, const TKeyValue* b) { return a == b || (a && b && *a == *b); }

// A rename onto an entry the user replaced is two changes under one name:
// the user hears of the name once.
void AddName(std::vector<std::wstring>& names, const std::wstring& name) {
  for (const std::wstring& known : names)
    if (NameIdentity(known) == NameIdentity(name)) return;
  names.push_back(name);
}

void AddChanges(const TValuesByName& before, const TValuesByName& after, std::vector<TOtherChange>& changes) {
  for (const auto& [identity, value] : after) {
    auto old = before.find(identity);
    if (old == before.end())
      changes.push_back({TOtherChange::Added, value.name});
    else if (!(old->second == value))
      changes.push_back({TOtherChange::Changed, value.name});
  }
  for (const auto& [identity, value] : before)
    if (!after.count(identity)) changes.push_back({TOtherChange::Removed, value.name});
}

}  // namespace

TRunKeySave::TRunKeySave(const TRunKeyPath& key, std::optional<TStartupApprovals>& approvals)
    : key_(key), approvals_(approvals) {}

std::string TRunKeySave::SubKey(TRunPlace place) const {
  return place == TRunPlace::Key ? key_.subKey : SwitchedOffKey(key_.subKey);
}

const TKeyValue* TRunKeySave::NowAt(TRunPlace place, const std::wstring& name) const {
  const TValuesByName& now = place == TRunPlace::Key ? nowKey_ : nowStore_;
  auto found = now.find(NameIdentity(name));
  return found == now.end() ? nullptr : &found->second;
}

const TKeyValue* TRunKeySave::LoadedAt(TRunPlace place, const std::wstring& name) const {
  const TValuesByName& loaded = place == TRunPlace::Key ? loadedKey_ : loadedStore_;
  auto found = loaded.find(NameIdentity(name));
  return found == loaded.end() ? nullptr : &found->second;
}

LONG TRunKeySave::Delete(TRunPlace place, const std::wstring& name) {
  const LONG result = DeleteKeyValue(key_.root, SubKey(place), name, key_.view);
  if (result == ERROR_SUCCESS) Now(place).erase(NameIdentity(name));
  return result;
}

// The sub-key is made below the Run key as it is: a Run key another program
// deleted is not made again just to hold it.
LONG TRunKeySave::Put(TRunPlace place, const TKeyValue& value) {
  LONG result = place == TRunPlace::Store ? CreateSwitchedOffKey(key_.root, key_.subKey, key_.view) : ERROR_SUCCESS;
  if (result == ERROR_SUCCESS) result = WriteKeyValue(key_.root, SubKey(place), value, key_.view);
  if (result == ERROR_SUCCESS) Now(place)[NameIdentity(value.name)] = value;
  return result;
}

std::optional<TRunKeySave::TStep> TRunKeySave::StepFor(TRunEntry& entry) const {
  const TStartupEntry& wanted = entry.entry;
  TStep step;
  step.entry = &entry;
  step.wanted = {wanted.name, wanted.type, wanted.bytes};
  step.to = PlaceOf(wanted.state);
  if (entry.removed && !entry.loadedPlace) return std::nullopt;
  step.releases = entry.loadedPlace.has_value();
  step.writes = !entry.removed;
  step.inPlace = step.releases && step.writes && *entry.loadedPlace == step.to &&
                 NameIdentity(entry.loadedValue.name) == NameIdentity(wanted.name);
  step.switchOn = step.writes && wanted.state == TEntryState::On && SwitchedOff(approvals_, wanted.name);
  if (step.inPlace && entry.loadedValue == step.wanted) {
    if (!step.switchOn) return std::nullopt;
    step.releases = step.writes = step.inPlace = false;
  }
  return step;
}

void TRunKeySave::Weigh(TStep& step) const {
  const TRunEntry& entry = *step.entry;
  const bool touched = step.releases && !Same(&entry.loadedValue, NowAt(*entry.loadedPlace, entry.loadedValue.name));
  if (touched && !step.writes && !NowAt(*entry.loadedPlace, entry.loadedValue.name)) {
    step.done = true;  // removed there as here
    return;
  }
  if (!step.writes) {
    step.conflict = touched;
    return;
  }
  const TKeyValue* there = NowAt(step.to, step.wanted.name);
  if (there && !IsText(there->type)) {
    step.kept = TKeptReason::NotText;
    return;
  }
  step.conflict = touched || (!step.inPlace && there && !Same(there, LoadedAt(step.to, step.wanted.name)));
}

TOtherChanges TRunKeySave::OtherChanges() const {
  TOtherChanges other;
  AddChanges(loadedKey_, nowKey_, other.changes);
  AddChanges(loadedStore_, nowStore_, other.changes);
  for (const TStep& step : steps_)
    if (step.conflict) AddName(other.conflicts, NameOf(step));
  return other;
}

void TRunKeySave::Fail(TStep& step, TSaveStep what, LONG error) {
  step.failed = true;
  report_.failures.push_back({NameOf(step), what, error});
}

void TRunKeySave::SwitchOn(TStep& step) {
  LONG error = ERROR_SUCCESS;
  if (step.switchOn && !approvals_->SwitchOn(step.wanted.name, &error))
    Fail(step, TSaveStep::SwitchOnInWindows, error);
}

void TRunKeySave::RemoveEntry(TStep& step) {
  const TRunEntry& entry = *step.entry;
  if (NowAt(*entry.loadedPlace, entry.loadedValue.name))
    if (LONG error = Delete(*entry.loadedPlace, entry.loadedValue.name)) return Fail(step, TSaveStep::Delete, error);
  step.done = true;
  report_.saved.push_back(entry.loadedValue.name);
}

// A place is free when nothing stands under the name, when the user let
// this entry overwrite what another program put there, or when it is the
// entry's own value.
bool TRunKeySave::Free(const TStep& step) {
  if (!step.writes) return true;
  const TKeyValue* there = NowAt(step.to, step.wanted.name);
  return !there || step.inPlace || (step.conflict && !Same(there, LoadedAt(step.to, step.wanted.name)));
}

// The entry is written before its old value goes, so a failure loses
// neither; a change of letter case alone needs the old name gone first.
void TRunKeySave::Write(TStep& step) {
  const TRunEntry& entry = *step.entry;
  const TRunPlace from = entry.loadedPlace.value_or(step.to);
  const bool renamedInPlace = step.inPlace && entry.loadedValue.name != step.wanted.name;
  if (step.writes) {
    if (renamedInPlace)
      if (LONG error = Delete(from, entry.loadedValue.name)) return Fail(step, TSaveStep::Delete, error);
    if (LONG error = Put(step.to, step.wanted)) {
      if (renamedInPlace) Put(from, entry.loadedValue);
      return Fail(step, TSaveStep::Write, error);
    }
    if (step.releases && !step.inPlace && NowAt(from, entry.loadedValue.name))
      if (LONG error = Delete(from, entry.loadedValue.name)) {
        Delete(step.to, step.wanted.name);
        return Fail(step, TSaveStep::Delete, error);
      }
  }
  SwitchOn(step);
  step.done = !step.failed;
  if (step.done) report_.saved.push_back(step.wanted.name);
}

// An entry waits for the one whose name it takes to leave; what cannot
// leave keeps the name.
void TRunKeySave::WriteWhenFree() {
  for (bool progress = true; progress;) {
    progress = false;
    for (TStep& step : steps_) {
      if (!step.writes && !step.switchOn) continue;
      if (step.done || step.failed || step.kept || !Free(step)) continue;
      Write(step);
      progress = true;
    }
  }
  for (TStep& step : steps_)
    if ((step.writes || step.switchOn) && !step.done && !step.failed && !step.kept)
      step.kept = TKeptReason::NameStaysTaken;
}

std::wstring TRunKeySave::NameOf(const TStep& step) {
  return step.writes ? step.wanted.name : step.entry->loadedValue.name;
}

void TRunKeySave::ReportKept() {
  for (const TStep& step : steps_) {
    if (!step.kept) continue;
    const bool told = std::any_of(report_.kept.begin(), report_.kept.end(), [&](const TKeptEntry& kept) {
      return kept.reason == *step.kept && NameIdentity(kept.name) == NameIdentity(NameOf(step));
    });
    if (!told) report_.kept.push_back({NameOf(step), *step.kept});
  }
}

void TRunKeySave::Commit(std::vector<TRunEntry>& entries, std::optional<TKeyValues>& loadedKey,
                         std::optional<TKeyValues>& loadedStore) {
  for (TStep& step : steps_) {
    if (!step.done) continue;
    if (step.writes) {
      step.entry->loadedPlace = step.to;
      step.entry->loadedValue = step.wanted;
    } else if (step.releases) {
      step.entry->loadedPlace.reset();
    }
  }
  std::erase_if(entries, [](const TRunEntry& entry) { return entry.removed && !entry.loadedPlace; });
  loadedKey = keyExisted_ ? std::optional(Values(nowKey_)) : std::nullopt;
  loadedStore = Values(nowStore_);
}

TSaveReport TRunKeySave::Run(std::vector<TRunEntry>& entries, std::optional<TKeyValues>& loadedKey,
                             std::optional<TKeyValues>& loadedStore, const TOverwriteDecision& decide) {
  loadedKey_ = ByName(loadedKey);
  loadedStore_ = ByName(loadedStore);
  const std::optional<TKeyValues> key = ReadKeyValues(key_.root, key_.subKey, key_.view);
  keyExisted_ = key.has_value();
  nowKey_ = ByName(key);
  nowStore_ = ByName(ReadKeyValues(key_.root, SwitchedOffKey(key_.subKey), key_.view));
  for (TRunEntry& entry : entries)
    if (std::optional<TStep> step = StepFor(entry)) steps_.push_back(*step);
  for (TStep& step : steps_) Weigh(step);
  const TOtherChanges other = OtherChanges();
  report_.otherChanges = !other.changes.empty();
  const bool overwrite = (report_.otherChanges || !other.conflicts.empty()) && decide(other);
  for (TStep& step : steps_)
    if (step.conflict && !overwrite) step.kept = TKeptReason::OtherProgram;
  for (TStep& step : steps_)
    if (!step.writes && step.releases && !step.kept && !step.done) RemoveEntry(step);
  WriteWhenFree();
  ReportKept();
  RemoveSwitchedOffKeyIfEmpty(key_.root, key_.subKey, key_.view);
  Commit(entries, loadedKey, loadedStore);
  return report_;
}
