// The commands of the Autostart page as its list's keys and popup menu offer
// them, in the order of the page's buttons. A shortcut has nothing to change.
#include "pages/AutostartPage.h"

std::vector<TCommand> TAutostartPage::AutoStartFolderLVCommands() {
  return {CommandOf(AutostartAddBtn, TListKey::Insert), CommandOf(AutostartDeleteBtn, TListKey::Delete),
          CommandOf(AutostartCheckBtn), CommandOf(AutostartRefreshBtn, TListKey::Refresh)};
}
