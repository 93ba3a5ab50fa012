#pragma once
// The Task Scheduler (Vista on) through its own COM interface, so that its
// cache and its files agree on what changed. The thread must have a COM
// apartment.

#include <taskschd.h>

#include <string>

#include "support/ComPointer.h"

class TTaskScheduler {
 public:
  // Connects to the scheduler of this computer.
  TTaskScheduler();

  // S_OK, or why the scheduler cannot be reached.
  HRESULT Connection() const { return connection_; }
  // Whether the task (path as "\Hersteller\Updater") is on, as the scheduler
  // answers now.
  HRESULT Enabled(const std::wstring& path, bool& enabled) const;
  // Asks the scheduler to switch it; a success is only its word (see the model).
  HRESULT SetEnabled(const std::wstring& path, bool enabled) const;

 private:
  HRESULT Task(const std::wstring& path, TComPointer<IRegisteredTask>& task) const;

  TComPointer<ITaskService> service_;
  HRESULT connection_;
};
