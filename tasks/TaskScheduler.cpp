#include "tasks/TaskScheduler.h"

#include "support/Automation.h"
#include "support/ComLibrary.h"

TTaskScheduler::TTaskScheduler()
    : connection_(ComCreateInstance(__uuidof(TaskScheduler), __uuidof(ITaskService), service_.OutVoid())) {
  if (SUCCEEDED(connection_)) {
    const VARIANT local = EmptyVariant();
    connection_ = service_->Connect(local, local, local, local);
  }
}

HRESULT TTaskScheduler::Task(const std::wstring& path, TComPointer<IRegisteredTask>& task) const {
  if (FAILED(connection_)) return connection_;
  const size_t last = path.rfind(L'\\');
  if (last == std::wstring::npos) return E_INVALIDARG;
  const TBstr folderPath(last == 0 ? L"\\" : path.substr(0, last)), name(path.substr(last + 1));
  TComPointer<ITaskFolder> folder;
  if (const HRESULT result = service_->GetFolder(folderPath.Get(), folder.Out()); FAILED(result)) return result;
  return folder->GetTask(name.Get(), task.Out());
}

HRESULT TTaskScheduler::Enabled(const std::wstring& path, bool& enabled) const {
  TComPointer<IRegisteredTask> task;
  if (const HRESULT result = Task(path, task); FAILED(result)) return result;
  VARIANT_BOOL on = VARIANT_FALSE;
  const HRESULT result = task->get_Enabled(&on);
  enabled = on != VARIANT_FALSE;
  return result;
}

HRESULT TTaskScheduler::SetEnabled(const std::wstring& path, bool enabled) const {
  TComPointer<IRegisteredTask> task;
  if (const HRESULT result = Task(path, task); FAILED(result)) return result;
  return task->put_Enabled(enabled ? VARIANT_TRUE : VARIANT_FALSE);
}
