#pragma once
// The "Dienste" page: the services Windows starts by itself, and those
// Velmora switched off, unticked. The page draws the services model and
// asks; every change acts on the service at once. On the 9x family it only
// points to the RunServices keys of the Registry page.

#include "services/ServiceEntries.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Dialog.h"
#include "toolkit/ListKeys.h"
#include "toolkit/ListView.h"
#include "toolkit/Page.h"
#include "toolkit/PageControl.h"

class TServicesPage : public TDialog, public TPage {
 public:
  // The picture of every row: that of the page's tab.
  static constexpr int kRowImage = 1;

  TServicesPage(HWND pageControlHandle, TPageControl& pageControl, HIMAGELIST images);

  TLabel ServicesLabel;
  TCheckBox HideWindowsChkBox;
  TListView ServicesLV;
  TButton ServicesCheckBtn, ServicesRefreshBtn;
  // The list's keys and popup menu, with the page's commands.
  TListKeys ServicesLVKeys;
  std::vector<TCommand> ServicesLVCommands();

  void Load() override { ServicesRefreshBtnClick(); }
  void ApplyPlatform(bool isWinNT) override;

  // The services shown, as loaded.
  const TServiceEntries& Services() const { return services_; }

  void ServicesRefreshBtnClick();
  void ServicesCheckBtnClick();
  // The user ticked (switch on) or cleared (switch off) a row's box: the
  // service changes once the list view's notification has returned.
  void ServicesLVCheck(int index);

 private:
  void DrawServices();
  void ShowState();
  void SwitchService(const TServiceEntry& service, bool on);
  const TServiceEntry& EntryOf(int row) const;

  TPageControl& pageControl_;
  TServiceEntries services_;
};
