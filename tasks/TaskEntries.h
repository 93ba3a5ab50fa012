#pragma once
// The scheduled tasks that start with Windows (a logon or a boot trigger),
// and every task file that cannot be read, without any window. Loading
// only reads the scheduler's files. A switch goes through the scheduler
// itself and is believed only when the scheduler then says so.

#include <windows.h>

#include <string>
#include <vector>

#include "tasks/TaskDefinition.h"

struct TTaskEntry {
  std::wstring path;  // in the scheduler: "\Hersteller\Updater"
  TTaskReading reading = TTaskReading::Read;
  TTaskDefinition definition;  // as far as it was read
  // Each action's program file, as the check looks for it.
  std::vector<std::wstring> programFiles;
};

enum class TTaskOutcome {
  Done,
  NotReadable,       // its definition could not be read: nothing to switch
  NotSwitchable,     // the scheduler here cannot switch it (see error): it stays as it is
  NotAllowed,        // only administrators may switch it
  ChangedMeanwhile,  // switched or removed by another program since the load: left as it is
  Failed,            // the scheduler refused (see error); the task stays as it was
};

struct TTaskSwitch {
  TTaskOutcome outcome = TTaskOutcome::Done;
  HRESULT error = S_OK;
};

class TTaskEntries {
 public:
  // Reads the task files afresh; on the 9x family it reads nothing.
  void Load();

  // False on the 9x family and where Windows keeps no task definitions as
  // XML files (before Vista: no Tasks folder in the system folder).
  bool Available() const { return available_; }
  // By path, letter case aside.
  const std::vector<TTaskEntry>& Entries() const { return entries_; }

  TTaskSwitch Switch(const TTaskEntry& task, bool on) const;

  // The program files of its actions that are not there.
  static std::vector<std::wstring> MissingPrograms(const TTaskEntry& task);

 private:
  bool available_ = false;
  std::vector<TTaskEntry> entries_;
};
