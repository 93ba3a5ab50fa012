// The commands of the Registry page as its list's keys and popup menu offer
// them, in the order of the page's buttons.
#include "registry/RegistryPage.h"

std::vector<TCommand> TRegistryPage::RegViewCommands() {
  return {CommandOf(AddRegBtn, TListKey::Insert), CommandOf(EditRegBtn, TListKey::Change),
          CommandOf(RemoveRegBtn, TListKey::Delete), CommandOf(RegExportBtn), CommandOf(RegCheckBtn),
          CommandOf(SaveRegBtn), CommandOf(RegRefreshBtn, TListKey::Refresh)};
}
