#include "tasks/TaskEntries.h"

#include <algorithm>
#include <optional>

#include "registry/ProgramFile.h"
#include "support/ComPointer.h"
#include "support/NativeSystemFolder.h"
#include "support/StartupEntry.h"
#include "support/Tools.h"
#include "tasks/TaskFiles.h"
#include "tasks/TaskScheduler.h"

namespace {

// The scheduler starts the command as one program file, blanks and all.
std::wstring ProgramFileOf(const std::wstring& command) {
  return ExtractProgramFile(!command.empty() && command[0] == L'"' ? command : L"\"" + command + L"\"");
}

std::optional<TTaskEntry> EntryOf(const TTaskFile& file) {
  TTaskEntry task;
  task.path = file.path;
  task.reading = file.read ? ReadTaskDefinition(file.bytes, task.definition) : TTaskReading::NotOpened;
  if (task.reading == TTaskReading::Read && !task.definition.startsWithWindows) return std::nullopt;
  for (const TTaskAction& action : task.definition.actions) task.programFiles.push_back(ProgramFileOf(action.command));
  return task;
}

bool IsGone(HRESULT error) {
  return error == HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND) || error == HRESULT_FROM_WIN32(ERROR_PATH_NOT_FOUND);
}

TTaskSwitch Refused(HRESULT error) {
  if (error == E_ACCESSDENIED) return {TTaskOutcome::NotAllowed, error};
  if (error == E_NOTIMPL) return {TTaskOutcome::NotSwitchable, error};
  return {TTaskOutcome::Failed, error};
}

}  // namespace

void TTaskEntries::Load() {
  entries_.clear();
  available_ = false;
  if (!IsWinNT) return;
  const std::optional<std::vector<TTaskFile>> files = ReadTaskFiles(TasksFolder());
  if (!files) return;
  available_ = true;
  // The XML reader is a COM server; the files were read before, with the
  // system folder seen as Windows itself has it.
  const TComApartment com;
  for (const TTaskFile& file : *files)
    if (std::optional<TTaskEntry> task = EntryOf(file)) entries_.push_back(std::move(*task));
  std::sort(entries_.begin(), entries_.end(),
            [](const TTaskEntry& a, const TTaskEntry& b) { return NameIdentity(a.path) < NameIdentity(b.path); });
}

// Wine's scheduler answers a switch with success and changes nothing
// (measured): the switch counts only when the scheduler, asked afresh, has it.
TTaskSwitch TTaskEntries::Switch(const TTaskEntry& task, bool on) const {
  if (task.reading != TTaskReading::Read) return {TTaskOutcome::NotReadable};
  const TComApartment com;
  const TTaskScheduler scheduler;
  if (FAILED(scheduler.Connection())) return {TTaskOutcome::NotSwitchable, scheduler.Connection()};
  bool enabled = false;
  if (const HRESULT error = scheduler.Enabled(task.path, enabled); FAILED(error))
    return IsGone(error) ? TTaskSwitch{TTaskOutcome::ChangedMeanwhile, error} : Refused(error);
  if (enabled != task.definition.enabled) return {TTaskOutcome::ChangedMeanwhile};
  if (enabled == on) return {};
  if (const HRESULT error = scheduler.SetEnabled(task.path, on); FAILED(error)) return Refused(error);
  const HRESULT error = scheduler.Enabled(task.path, enabled);
  if (FAILED(error)) return Refused(error);
  return enabled == on ? TTaskSwitch{} : TTaskSwitch{TTaskOutcome::NotSwitchable};
}

// The scheduler starts the programs as a 64-bit service on 64-bit Windows:
// a 32-bit Velmora looks for them in the system folder that service sees.
std::vector<std::wstring> TTaskEntries::MissingPrograms(const TTaskEntry& task) {
  const TNativeSystemFolder native;
  std::vector<std::wstring> missing;
  for (const std::wstring& file : task.programFiles)
    if (file.empty() || !ProgramFileExists(file)) missing.push_back(file);
  return missing;
}
