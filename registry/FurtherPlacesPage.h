#pragma once
// The "Weitere Orte" page: the further places the NT family starts programs
// from, one list of location, value and warning, only shown and exported;
// the values come from their model (FurtherPlaces).

#include <string>
#include <vector>

#include "registry/FurtherPlaces.h"
#include "toolkit/Button.h"
#include "toolkit/Dialog.h"
#include "toolkit/ListKeys.h"
#include "toolkit/ListView.h"
#include "toolkit/Page.h"
#include "toolkit/PageControl.h"

class TFurtherPlacesPage : public TDialog, public TPage {
 public:
  TFurtherPlacesPage(HWND pageControlHandle, TPageControl& pageControl, HIMAGELIST images);

  TLabel CaptionLabel;
  TListView PlacesView;
  TButton ExportBtn, RefreshBtn;
  TListKeys PlacesViewKeys;
  std::vector<TCommand> PlacesViewCommands();

  void Load() override;
  void ApplyPlatform(bool isWinNT) override;

  void ExportBtnClick();
  const std::vector<TFurtherEntry>& Entries() const { return entries_; }

 private:
  void ShowEntries();

  TPageControl& pageControl_;
  std::vector<TFurtherEntry> entries_;
};
