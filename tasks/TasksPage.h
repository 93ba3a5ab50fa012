#pragma once
// The "Geplante Tasks" page: the scheduled tasks that start with Windows,
// ticked while they are on, and the task files that cannot be read. The
// page draws the tasks model and asks; a box switches its task at once,
// through the Task Scheduler. On the 9x family it is its one line.

#include "tasks/TaskEntries.h"
#include "toolkit/Button.h"
#include "toolkit/Dialog.h"
#include "toolkit/ListKeys.h"
#include "toolkit/ListView.h"
#include "toolkit/Page.h"
#include "toolkit/PageControl.h"

class TTasksPage : public TDialog, public TPage {
 public:
  // The picture of every row: that of the page's tab.
  static constexpr int kRowImage = 1;

  TTasksPage(HWND pageControlHandle, TPageControl& pageControl, HIMAGELIST images);

  TLabel TasksLabel;
  TListView TasksLV;
  TButton TasksCheckBtn, TasksRefreshBtn;
  // The list's keys and popup menu, with the page's commands.
  TListKeys TasksLVKeys;
  std::vector<TCommand> TasksLVCommands();

  void Load() override { TasksRefreshBtnClick(); }
  void ApplyPlatform(bool isWinNT) override;

  // The tasks shown, as loaded.
  const TTaskEntries& Tasks() const { return tasks_; }

  void TasksRefreshBtnClick();
  void TasksCheckBtnClick();
  // The user ticked (switch on) or cleared (switch off) a row's box: the
  // task is switched once the list view's notification has returned.
  void TasksLVCheck(int index);

 private:
  void DrawTasks();
  void ShowState();
  void SwitchTask(const TTaskEntry& task, bool on);
  const TTaskEntry& EntryOf(int row) const;

  TPageControl& pageControl_;
  TTaskEntries tasks_;
};
