#pragma once
// The start-up entries of one Run-type key, without any window: those in the
// key and those waiting switched off in its sub-key, as loaded and as the
// user changed them. Nothing is written before Save, and nothing here asks
// or shows anything: edits return the collision they meet, and the caller
// asks and calls again with the user's decision.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "registry/RunKeyPath.h"
#include "support/RunKeyValues.h"
#include "support/StartupApproved.h"
#include "support/StartupEntry.h"

// Where a value lies: in the Run key, or in the sub-key where the entries
// Velmora switched off wait.
enum class TRunPlace { Key, Store };

struct TRunEntry {
  int id = 0;
  TStartupEntry entry;  // as the user has it now
  bool removed = false;
  // Where and how it was stored when last loaded or saved; none for an
  // entry the user added.
  std::optional<TRunPlace> loadedPlace;
  TKeyValue loadedValue;
};

TRunPlace PlaceOf(TEntryState state);

enum class TCollision {
  None,
  NotEditable,      // the entry itself cannot be changed here
  NameNotEditable,  // an entry of that name there cannot be changed here
  NameNotText,      // a value of that name there is no text: never overwritten
  SameName,         // another entry of that name there: replace it?
};

struct TEditResult {
  TCollision collision = TCollision::None;
  int id = 0;  // the entry added or edited
};

// What another program changed in the key (and its sub-key) since the load.
struct TOtherChange {
  enum TKind { Added, Changed, Removed } kind;
  std::wstring name;
};
struct TOtherChanges {
  std::vector<TOtherChange> changes;
  // The user's entries whose changes would undo or overwrite one of them.
  std::vector<std::wstring> conflicts;
};
// Asked once during a save that met other changes, before anything is
// written; true lets the user's changes overwrite the conflicting ones.
using TOverwriteDecision = std::function<bool(const TOtherChanges&)>;

enum class TKeptReason {
  OtherProgram,   // the user let another program's change stand
  NotText,        // a value of that name that is no text stands there
  NameStaysTaken  // the entry it was to replace stays
};
struct TKeptEntry {
  std::wstring name;
  TKeptReason reason;
};
enum class TSaveStep { Delete, Write, SwitchOnInWindows };
struct TSaveFailure {
  std::wstring name;
  TSaveStep step;
  LONG error;  // the Win32 error code
};
struct TSaveReport {
  std::vector<std::wstring> saved;  // entries written, moved or removed
  std::vector<TKeptEntry> kept;
  std::vector<TSaveFailure> failures;
  bool otherChanges = false;
};

class TRunKeyEntries {
 public:
  // keyPath as the Registry page names a key ("HKEY_LOCAL_MACHINE\Software...").
  explicit TRunKeyEntries(const std::string& keyPath);

  const std::string& KeyPath() const { return keyPath_; }
  // Reads the key, its switched-off entries and Windows' switches; an entry
  // known before keeps its id.
  void Load();

  // Every entry, those the user removed included.
  const std::vector<TRunEntry>& Entries() const { return entries_; }
  const TRunEntry* Find(int id) const;
  // Which entries Windows switched off; none where it has no switch.
  const std::optional<TStartupApprovals>& Approvals() const { return approvals_; }

  // replace: the user agreed to replace the other entry of that name.
  TEditResult Add(const std::wstring& name, const std::wstring& command, bool replace = false);
  TEditResult Change(int id, const std::wstring& name, const std::wstring& command, bool replace = false);
  TEditResult Remove(int id);
  TEditResult Switch(int id, bool on, bool replace = false);

  // Writes what the user changed since the load. What another program
  // changed meanwhile stays unless decide lets the user's change overwrite
  // it; non-text values are never overwritten. After a save without
  // failures the entries are loaded afresh.
  TSaveReport Save(const TOverwriteDecision& decide);

 private:
  TRunEntry* Editable(int id);
  TCollision CollisionAt(TRunPlace place, const std::wstring& name, int self, TRunEntry*& other);
  TEditResult Place(TRunEntry& entry, TRunPlace place, const std::wstring& name, bool replace);
  void AddLoaded(const TKeyValue& value, TRunPlace place, std::map<std::wstring, int>& knownIds);

  std::string keyPath_;
  TRunKeyPath key_;
  std::optional<TStartupApprovals> approvals_;
  std::vector<TRunEntry> entries_;
  // Everything the key and the sub-key held when loaded, non-text values
  // included; none for a key that did not exist.
  std::optional<TKeyValues> loadedKey_, loadedStore_;
  int nextId_ = 1;
};
