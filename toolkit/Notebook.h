#pragma once
// Pages laid over one another, of which one shows at a time.

#include <memory>
#include <vector>

#include "toolkit/Dialog.h"

class TNotebook {
 public:
  // Each page a child dialog of parent, laid at the given place.
  TNotebook(HWND parent, const std::vector<int>& templateIds, const RECT& place) {
    for (int id : templateIds) {
      auto& page = pages_.emplace_back(std::make_unique<TDialog>(parent, id));
      SetWindowPos(page->Handle(), HWND_TOP, place.left, place.top, place.right - place.left,
                   place.bottom - place.top, SWP_NOACTIVATE);
    }
    SetPageIndex(0);
  }

  TDialog& Page(int index) { return *pages_[index]; }
  int PageIndex() const { return pageIndex_; }
  void SetPageIndex(int index) {
    pageIndex_ = index;
    for (int i = 0; i < static_cast<int>(pages_.size()); ++i) ShowWindow(pages_[i]->Handle(), i == index ? SW_SHOW : SW_HIDE);
  }
  bool Enabled() const { return IsWindowEnabled(pages_[0]->Handle()) != FALSE; }
  void SetEnabled(bool enabled) {
    for (auto& page : pages_) EnableWindow(page->Handle(), enabled);
  }

 private:
  std::vector<std::unique_ptr<TDialog>> pages_;
  int pageIndex_ = 0;
};
