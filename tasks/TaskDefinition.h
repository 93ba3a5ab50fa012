#pragma once
// One task definition as the Task Scheduler stores it (Vista on): an XML
// document whose root is <Task>, read for what makes it a start-up entry.

#include <string>
#include <vector>

enum class TTaskReading {
  Read,
  NotOpened,      // the file could not be opened or read
  NotWellFormed,  // not a well-formed XML document (truncated, broken, another encoding than it says)
  NotATask,       // well-formed, but no task definition
  Overlong,       // a value longer than any command line Windows can start
};

struct TTaskAction {
  std::wstring command, arguments;  // as stored (environment variables unexpanded)
};

struct TTaskDefinition {
  std::wstring author;  // RegistrationInfo
  std::wstring user;    // the principal's user or group, as stored (a name or a SID)
  bool enabled = true;  // Settings; a task without the value is on
  // An enabled logon or boot trigger: the task starts with Windows.
  bool startsWithWindows = false;
  std::vector<TTaskAction> actions;  // its Exec actions; the others start no program
};

// The longest value taken from a definition, in characters: that of a
// command line (CreateProcess).
inline constexpr size_t kLongestTaskValue = 32767;

TTaskReading ReadTaskDefinition(const std::string& bytes, TTaskDefinition& definition);
