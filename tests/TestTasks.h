#pragma once
// Task definitions of the test's own, as the Task Scheduler of Windows
// writes them, in the scheduler's folder \VelmoraTest; removed with their
// folders when the test ends.

#include <windows.h>

#include <string>
#include <vector>

#include "tasks/TaskFiles.h"

enum class TTaskEncoding { Utf16, Utf8WithMark, Utf8 };

struct TTaskXml {
  std::wstring triggers;  // what <Triggers> holds
  std::wstring enabled;   // Settings' Enabled; empty: no such value
  std::vector<std::pair<std::wstring, std::wstring>> execs;  // command, arguments (empty: none)
  std::wstring author = L"Hersteller";
  std::wstring principal = L"<UserId>S-1-5-18</UserId>";
};

inline const std::wstring kLogonTrigger = L"<LogonTrigger><Enabled>true</Enabled></LogonTrigger>";
inline const std::wstring kBootTrigger = L"<BootTrigger/>";
inline const std::wstring kDailyTrigger =
    L"<CalendarTrigger><StartBoundary>2026-01-01T08:00:00</StartBoundary>"
    L"<ScheduleByDay><DaysInterval>1</DaysInterval></ScheduleByDay></CalendarTrigger>";

// The file's bytes: UTF-16 with a byte order mark and CR LF, as Windows
// writes it, or UTF-8 (as Wine writes it, with the mark) with the
// declaration naming the encoding.
std::string TaskFileBytes(const TTaskXml& task, TTaskEncoding encoding);

class TTestTasks {
 public:
  static constexpr wchar_t kFolder[] = L"\\VelmoraTest";

  TTestTasks();
  ~TTestTasks();
  TTestTasks(const TTestTasks&) = delete;
  TTestTasks& operator=(const TTestTasks&) = delete;

  // name: below the folder, "Unter\\Name" in a sub-folder of it.
  void Write(const std::wstring& name, const std::string& bytes);
  std::wstring FileOf(const std::wstring& name) const { return TasksFolder() + kFolder + L"\\" + name; }

  struct TFileState {
    std::wstring path;
    std::string bytes;
    FILETIME written;
    bool operator==(const TFileState& other) const;
  };
  // Every file of the whole Tasks folder as it is now.
  static std::vector<TFileState> Snapshot();

 private:
  std::vector<std::wstring> files_, folders_;
};
