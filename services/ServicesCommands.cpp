// The commands of the Dienste page as its list's keys and popup menu offer
// them; a row is switched by its box (or the space bar).
#include "services/ServicesPage.h"

std::vector<TCommand> TServicesPage::ServicesLVCommands() {
  return {CommandOf(ServicesCheckBtn), CommandOf(ServicesRefreshBtn, TListKey::Refresh)};
}
