#include "tasks/TasksPage.h"

#include <commctrl.h>

#include "res/resource.h"
#include "support/WideText.h"
#include "support/Tools.h"
#include "tasks/TasksTexts.h"
#include "toolkit/Interaction.h"

namespace {

// Each Exec action's program and arguments, as the scheduler starts them.
std::string CommandsText(const TTaskEntry& task) {
  if (task.reading != TTaskReading::Read) return TasksTexts::Unreadable(task.reading);
  std::wstring text;
  for (const TTaskAction& action : task.definition.actions) {
    if (!text.empty()) text += L"; ";
    text += action.arguments.empty() ? action.command : action.command + L" " + action.arguments;
  }
  return AnsiFromWide(text);
}

std::string SwitchMessage(const TTaskSwitch& result, const std::string& task) {
  switch (result.outcome) {
    case TTaskOutcome::NotReadable: return TasksTexts::NotReadable(task);
    case TTaskOutcome::NotSwitchable: return TasksTexts::NotSwitchable(task);
    case TTaskOutcome::NotAllowed: return TasksTexts::kNotAllowed;
    case TTaskOutcome::ChangedMeanwhile: return TasksTexts::ChangedMeanwhile(task);
    case TTaskOutcome::Failed: return TasksTexts::CannotSwitch(task, static_cast<unsigned long>(result.error));
    case TTaskOutcome::Done: break;
  }
  return "";
}

}  // namespace

TTasksPage::TTasksPage(HWND pageControlHandle, TPageControl& pageControl, HIMAGELIST images)
    : TDialog(pageControlHandle, IDD_TASKS),
      TasksLabel(*this, IDC_TASKSLABEL),
      TasksLV(*this, IDC_TASKSLV),
      TasksCheckBtn(*this, IDC_TASKSCHECKBTN),
      TasksRefreshBtn(*this, IDC_TASKSREFRESHBTN),
      TasksLVKeys(TasksLV, [this] { return TasksLVCommands(); }),
      pageControl_(pageControl) {
  ListView_SetExtendedListViewStyle(TasksLV.Handle(), LVS_EX_FULLROWSELECT);
  TasksLV.ShowCheckBoxes();
  TasksLV.AddColumn(TasksTexts::kColumnTask, 140);
  TasksLV.AddColumn(TasksTexts::kColumnCommand, 220);
  TasksLV.AddColumn(TasksTexts::kColumnAuthor, 110);
  TasksLV.AddColumn(TasksTexts::kColumnUser, 100);
  TasksLV.SetSmallImages(images);
  TasksRefreshBtn.OnClick = [this] { TasksRefreshBtnClick(); };
  TasksCheckBtn.OnClick = [this] { TasksCheckBtnClick(); };
  TasksLV.OnCheck = [this](int index) { TasksLVCheck(index); };
}

// The 9x family has nothing to list: the page is its one line.
void TTasksPage::ApplyPlatform(bool isWinNT) {
  for (TControl* control : std::initializer_list<TControl*>{&TasksLV, &TasksCheckBtn, &TasksRefreshBtn})
    control->SetVisible(isWinNT);
  ShowState();
}

void TTasksPage::TasksRefreshBtnClick() {
  {
    TPageControlBusy busy(pageControl_);
    tasks_.Load();
    DrawTasks();
  }
  ShowState();
}

void TTasksPage::ShowState() {
  if (!IsWinNT) TasksLabel.SetText(TasksTexts::kNo9xTasks);
  else TasksLabel.SetText(tasks_.Available() ? TasksTexts::kIntro : TasksTexts::kNoTaskFolder);
  TasksCheckBtn.SetEnabled(TasksLV.Count() > 0);
}

void TTasksPage::DrawTasks() {
  std::vector<TListRow> rows;
  const std::vector<TTaskEntry>& entries = tasks_.Entries();
  for (size_t i = 0; i < entries.size(); ++i) {
    const TTaskEntry& task = entries[i];
    rows.push_back({AnsiFromWide(task.path), CommandsText(task), kRowImage, static_cast<LPARAM>(i),
                    AnsiFromWide(task.definition.author),
                    task.reading == TTaskReading::Read && task.definition.enabled,
                    AnsiFromWide(task.definition.user)});
  }
  TasksLV.SetRows(std::move(rows));
  TasksCheckBtn.SetEnabled(TasksLV.Count() > 0);
}

// Switched off or not: a task whose program is gone is a fault.
void TTasksPage::TasksCheckBtnClick() {
  TasksRefreshBtnClick();
  if (!tasks_.Available()) return;  // the line above the list says why
  bool allFound = true;
  for (const TTaskEntry& task : tasks_.Entries())
    for (const std::wstring& file : TTaskEntries::MissingPrograms(task)) {
      allFound = false;
      ShowError(TasksTexts::ProgramMissing(AnsiFromWide(task.path), AnsiFromWide(file)));
    }
  if (allFound) ShowInfo(TasksTexts::kAllProgramsFound);
}

const TTaskEntry& TTasksPage::EntryOf(int row) const {
  return tasks_.Entries()[static_cast<size_t>(TasksLV.Data(row))];
}

// The box shows the opposite of what the model says; the switch and its
// messages wait until the list view is done with its notification.
void TTasksPage::TasksLVCheck(int index) {
  const TTaskEntry task = EntryOf(index);
  const bool on = !(task.reading == TTaskReading::Read && task.definition.enabled);
  Post([this, task, on] { SwitchTask(task, on); });
}

// The list shows the tasks as they now are, also when nothing changed.
void TTasksPage::SwitchTask(const TTaskEntry& task, bool on) {
  const std::string message = SwitchMessage(tasks_.Switch(task, on), AnsiFromWide(task.path));
  if (!message.empty()) ShowError(message);
  TasksRefreshBtnClick();
}
