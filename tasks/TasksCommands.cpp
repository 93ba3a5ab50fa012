// The commands of the Geplante Tasks page as its list's keys and popup menu
// offer them; a row is switched by its box (or the space bar).
#include "tasks/TasksPage.h"

std::vector<TCommand> TTasksPage::TasksLVCommands() {
  return {CommandOf(TasksCheckBtn), CommandOf(TasksRefreshBtn, TListKey::Refresh)};
}
