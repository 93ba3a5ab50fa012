#pragma once
// One save of a Run-type key: sets what the user changed since the load
// against what the key and its sub-key hold now, and writes the user's
// changes that replace, delete or bring back nothing the user did not
// choose to.

#include <map>

#include "registry/RunKeyEntries.h"

class TRunKeySave {
 public:
  TRunKeySave(const TRunKeyPath& key, std::optional<TStartupApprovals>& approvals);

  // Each change done becomes part of what was loaded: entries and the two
  // snapshots then tell what a later save still has to do.
  TSaveReport Run(std::vector<TRunEntry>& entries, std::optional<TKeyValues>& loadedKey,
                  std::optional<TKeyValues>& loadedStore, const TOverwriteDecision& decide);

 private:
  struct TStep {
    TRunEntry* entry = nullptr;
    TKeyValue wanted;
    TRunPlace to = TRunPlace::Key;
    bool releases = false;  // the value as loaded leaves its place
    bool writes = false;
    bool inPlace = false;   // under the same name in the same place
    bool switchOn = false;  // Windows' switch is to let it start again
    bool conflict = false;  // it would undo or overwrite another program's change
    std::optional<TKeptReason> kept;
    bool done = false, failed = false;
  };
  using TValuesByName = std::map<std::wstring, TKeyValue>;

  std::optional<TStep> StepFor(TRunEntry& entry) const;
  void Weigh(TStep& step) const;
  TOtherChanges OtherChanges() const;
  void RemoveEntry(TStep& step);
  void WriteWhenFree();
  bool Free(const TStep& step);
  void Write(TStep& step);
  void Fail(TStep& step, TSaveStep what, LONG error);
  void SwitchOn(TStep& step);
  static std::wstring NameOf(const TStep& step);
  void ReportKept();
  void Commit(std::vector<TRunEntry>& entries, std::optional<TKeyValues>& loadedKey,
              std::optional<TKeyValues>& loadedStore);

  std::string SubKey(TRunPlace place) const;
  TValuesByName& Now(TRunPlace place) { return place == TRunPlace::Key ? nowKey_ : nowStore_; }
  const TKeyValue* NowAt(TRunPlace place, const std::wstring& name) const;
  const TKeyValue* LoadedAt(TRunPlace place, const std::wstring& name) const;
  LONG Delete(TRunPlace place, const std::wstring& name);
  LONG Put(TRunPlace place, const TKeyValue& value);

  const TRunKeyPath& key_;
  std::optional<TStartupApprovals>& approvals_;
  TValuesByName loadedKey_, loadedStore_, nowKey_, nowStore_;
  bool keyExisted_ = false;
  std::vector<TStep> steps_;
  TSaveReport report_;
};
