#pragma once
// The files in which the Task Scheduler (Vista on) keeps its task
// definitions: one file per task under the system folder's Tasks folder,
// its sub-folders being the scheduler's folders.

#include <optional>
#include <string>
#include <vector>

struct TTaskFile {
  std::wstring path;  // in the scheduler: "\Hersteller\Updater"
  bool read = false;  // false: it could not be opened or read
  std::string bytes;
};

// The system folder's Tasks folder, without a final backslash (on 64-bit
// Windows the one of Windows itself, also for the 32-bit program).
std::wstring TasksFolder();

// Every file under the folder, at any depth, with its bytes; nothing when
// the folder is not there. Only reads.
std::optional<std::vector<TTaskFile>> ReadTaskFiles(const std::wstring& folder);
