#include "app/RestartPage.h"

#include <windows.h>

#include "res/resource.h"
#include "toolkit/Interaction.h"

namespace {

struct TShutdownChoice {
  unsigned flags;
  const char* failure;
};

// In the order of the radio group's items. No request is forced: programs
// may refuse to end.
constexpr TShutdownChoice kChoices[] = {
    {EWX_REBOOT, "Fehlgeschlagen, starten Sie Windows selbst neu!"},
    {EWX_SHUTDOWN | EWX_POWEROFF, "Beenden Sie Windows selbst!"},
    {EWX_LOGOFF, "Abmeldung fehlgeschlagen!"},
};

}  // namespace

TRestartPage::TRestartPage(HWND pageControl, std::function<void()> closeMainWindow)
    : TDialog(pageControl, IDD_REBOOTWINDOWS),
      Bevel3(*this, IDC_BEVEL3),
      Label16(*this, IDC_LABEL16),
      RadioGroup(*this, IDC_RADIOGROUP, {IDC_RESTART_ITEM0, IDC_RESTART_ITEM1, IDC_RESTART_ITEM2}),
      RestartBtn(*this, IDC_RESTARTBTN),
      closeMainWindow_(std::move(closeMainWindow)) {
  RadioGroup.SetItemIndex(0);
  RestartBtn.OnClick = [this] { RestartBtnClick(); };
}

void TRestartPage::RestartBtnClick() {
  int item = RadioGroup.ItemIndex();
  if (item < 0 || item >= static_cast<int>(std::size(kChoices))) return;
  if (Interaction().ShutdownWindows(kChoices[item].flags))
    closeMainWindow_();
  else
    ShowError(kChoices[item].failure);
}
