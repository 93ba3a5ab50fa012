#include "registry/RunKeyEntries.h"

#include "registry/RunKeySave.h"
#include "registry/StartupStatus.h"
#include "support/AnsiText.h"
#include "support/SwitchedOffEntries.h"

namespace {

std::wstring Known(TRunPlace place, const std::wstring& name) {
  return (place == TRunPlace::Key ? L"K" : L"S") + NameIdentity(name);
}

bool EditableHere(const TKeyValue& value) {
  return IsText(value.type) && ExactAnsiForm(value.name) && ExactAnsiForm(TextOf(value));
}

}  // namespace

TRunPlace PlaceOf(TEntryState state) { return state == TEntryState::OffByVelmora ? TRunPlace::Store : TRunPlace::Key; }

TRunKeyEntries::TRunKeyEntries(const std::string& keyPath) : keyPath_(keyPath), key_(ResolveRunKeyPath(keyPath)) {}

void TRunKeyEntries::Load() {
  std::map<std::wstring, int> knownIds;
  for (const TRunEntry& known : entries_)
    if (known.loadedPlace) knownIds[Known(*known.loadedPlace, known.loadedValue.name)] = known.id;
  entries_.clear();
  approvals_ = RunKeyApprovals(keyPath_);
  loadedKey_ = ReadKeyValues(key_.root, key_.subKey, key_.view);
  loadedStore_ = ReadKeyValues(key_.root, SwitchedOffKey(key_.subKey), key_.view);
  // Values of other types stay out of the list: they are no command lines.
  for (auto [values, place] : {std::pair{&loadedKey_, TRunPlace::Key}, std::pair{&loadedStore_, TRunPlace::Store}})
    if (*values)
      for (const TKeyValue& value : **values)
        if (IsText(value.type)) AddLoaded(value, place, knownIds);
}

void TRunKeyEntries::AddLoaded(const TKeyValue& value, TRunPlace place, std::map<std::wstring, int>& knownIds) {
  TRunEntry loaded;
  auto known = knownIds.find(Known(place, value.name));
  loaded.id = known != knownIds.end() ? known->second : nextId_++;
  // What Windows' task manager switched off is off here too.
  TEntryState state = place == TRunPlace::Store              ? TEntryState::OffByVelmora
                      : SwitchedOff(approvals_, value.name) ? TEntryState::OffByWindows
                                                            : TEntryState::On;
  loaded.entry = {{key_.root, key_.subKey, key_.view}, value.name, TextOf(value), value.type, value.bytes, state,
                  EditableHere(value)};
  loaded.loadedPlace = place;
  loaded.loadedValue = value;
  entries_.push_back(std::move(loaded));
}

const TRunEntry* TRunKeyEntries::Find(int id) const {
  for (const TRunEntry& entry : entries_)
    if (entry.id == id && !entry.removed) return &entry;
  return nullptr;
}

TRunEntry* TRunKeyEntries::Editable(int id) {
  for (TRunEntry& entry : entries_)
    if (entry.id == id && !entry.removed) return entry.entry.editable ? &entry : nullptr;
  return nullptr;
}

// A key holds one value of a name, and so does the sub-key.
TCollision TRunKeyEntries::CollisionAt(TRunPlace place, const std::wstring& name, int self, TRunEntry*& other) {
  const std::wstring identity = NameIdentity(name);
  const std::optional<TKeyValues>& loaded = place == TRunPlace::Key ? loadedKey_ : loadedStore_;
  if (loaded)
    for (const TKeyValue& value : *loaded)
      if (!IsText(value.type) && NameIdentity(value.name) == identity) return TCollision::NameNotText;
  for (TRunEntry& entry : entries_) {
    if (entry.removed || entry.id == self || PlaceOf(entry.entry.state) != place ||
        NameIdentity(entry.entry.name) != identity)
      continue;
    other = &entry;
    return entry.entry.editable ? TCollision::SameName : TCollision::NameNotEditable;
  }
  return TCollision::None;
}

// Moves an entry under a name into a place where another of that name may
// stand: that one goes only when the user agreed to replace it.
TEditResult TRunKeyEntries::Place(TRunEntry& entry, TRunPlace place, const std::wstring& name, bool replace) {
  TRunEntry* other = nullptr;
  const TCollision collision = CollisionAt(place, name, entry.id, other);
  if (collision == TCollision::SameName && replace)
    other->removed = true;
  else if (collision != TCollision::None)
    return {collision, entry.id};
  return {TCollision::None, entry.id};
}

TEditResult TRunKeyEntries::Add(const std::wstring& name, const std::wstring& command, bool replace) {
  TRunEntry added;
  added.id = nextId_;
  const TEditResult result = Place(added, TRunPlace::Key, name, replace);
  if (result.collision != TCollision::None) return {result.collision, 0};
  ++nextId_;
  const TKeyValue value = TextValue(name, command, REG_SZ);
  added.entry = {{key_.root, key_.subKey, key_.view}, name, command, REG_SZ, value.bytes, TEntryState::On, true};
  entries_.push_back(std::move(added));
  return result;
}

// The entry keeps its type: an expandable string stays one.
TEditResult TRunKeyEntries::Change(int id, const std::wstring& name, const std::wstring& command, bool replace) {
  TRunEntry* entry = Editable(id);
  if (!entry) return {TCollision::NotEditable, id};
  const TEditResult result = Place(*entry, PlaceOf(entry->entry.state), name, replace);
  if (result.collision != TCollision::None) return result;
  entry->entry.name = name;
  entry->entry.command = command;
  entry->entry.bytes = TextValue(name, command, entry->entry.type).bytes;
  return result;
}

TEditResult TRunKeyEntries::Remove(int id) {
  TRunEntry* entry = Editable(id);
  if (!entry) return {TCollision::NotEditable, id};
  entry->removed = true;
  return {TCollision::None, id};
}

// Switched off, an entry that Windows keeps from starting stays in the key
// where it was loaded: the user left it as it was.
TEditResult TRunKeyEntries::Switch(int id, bool on, bool replace) {
  TRunEntry* entry = Editable(id);
  if (!entry) return {TCollision::NotEditable, id};
  const bool offInWindows = entry->loadedPlace == TRunPlace::Key && SwitchedOff(approvals_, entry->entry.name);
  const TEntryState state = on ? TEntryState::On : offInWindows ? TEntryState::OffByWindows : TEntryState::OffByVelmora;
  if (PlaceOf(state) != PlaceOf(entry->entry.state)) {
    const TEditResult result = Place(*entry, PlaceOf(state), entry->entry.name, replace);
    if (result.collision != TCollision::None) return result;
  }
  entry->entry.state = state;
  return {TCollision::None, id};
}

TSaveReport TRunKeyEntries::Save(const TOverwriteDecision& decide) {
  TSaveReport report = TRunKeySave(key_, approvals_).Run(entries_, loadedKey_, loadedStore_, decide);
  if (report.failures.empty()) Load();
  return report;
}
