#include "toolkit/OwnerDataListView.h"

#include <algorithm>
#include <cstring>

#include "toolkit/Subclass.h"

namespace {

constexpr UINT_PTR kSubclassId = 0x4F44;  // "OD"

bool Held(int key) { return GetKeyState(key) < 0; }

// Whether a caption begins with what the user typed, as the list's own
// type-ahead compares: regardless of case.
bool BeginsWith(const std::string& caption, const char* typed) {
  return lstrcmpiA(caption.substr(0, std::strlen(typed)).c_str(), typed) == 0;
}

std::string AnsiOf(const wchar_t* text) {
  const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string ansi(size > 0 ? size : 1, '\0');
  WideCharToMultiByte(CP_ACP, 0, text, -1, ansi.data(), size, nullptr, nullptr);
  return ansi.c_str();
}

}  // namespace

// The check boxes' state images come from the owner too.
TOwnerDataListView::TOwnerDataListView(TDialog& owner, int id) : TReportListView(owner, id) {
  ListView_SetCallbackMask(Handle(), LVIS_STATEIMAGEMASK);
  AddSubclass(Handle(), ListProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

TOwnerDataListView::~TOwnerDataListView() {
  if (IsWindow(Handle())) RemoveSubclass(Handle(), ListProc, kSubclassId);
}

void TOwnerDataListView::ShowRows(int count, TScroll scroll) {
  ListView_SetItemCountEx(Handle(), count, scroll == TScroll::Keep ? LVSICF_NOSCROLL : 0);
  if (scroll == TScroll::ToTop && count > 0) ListView_EnsureVisible(Handle(), 0, FALSE);
  InvalidateRect(Handle(), nullptr, FALSE);
}

// The list switches no box itself: it holds none. The owner hears of the
// click once the list has handled it.
LRESULT CALLBACK TOwnerDataListView::ListProc(HWND list, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                              DWORD_PTR self) {
  const LRESULT result = CallNextSubclass(list, msg, wParam, lParam);
  if (msg == WM_LBUTTONDOWN) reinterpret_cast<TOwnerDataListView*>(self)->CheckClicked(lParam);
  return result;
}

void TOwnerDataListView::CheckClicked(LPARAM where) {
  LVHITTESTINFO hit = {};
  hit.pt = {static_cast<short>(LOWORD(where)), static_cast<short>(HIWORD(where))};
  const int row = ListView_HitTest(Handle(), &hit);
  if (row >= 0 && (hit.flags & LVHT_ONITEMSTATEICON) && HasCheckBoxes() && OnCheck) OnCheck(row);
}

// The row the space bar switches: the focused one, as the list shows it.
int TOwnerDataListView::KeyRow() const {
  const int focused = ListView_GetNextItem(Handle(), -1, LVNI_FOCUSED);
  return focused >= 0 ? focused : SelectedIndex();
}

void TOwnerDataListView::AnswerDisplayInfo(LVITEMA& item) const {
  if (item.iItem < 0 || item.iItem >= Count()) return;
  if ((item.mask & LVIF_TEXT) && item.pszText && item.cchTextMax > 0) {
    const std::string text = RowText ? RowText(item.iItem, item.iSubItem) : "";
    item.pszText[text.copy(item.pszText, item.cchTextMax - 1)] = '\0';
  }
  if (item.mask & LVIF_IMAGE) item.iImage = rowImage_;
  if (item.mask & LVIF_STATE) {
    item.state = (item.state & ~LVIS_STATEIMAGEMASK) |
                 INDEXTOSTATEIMAGEMASK(HasCheckBoxes() ? (RowChecked && RowChecked(item.iItem) ? 2 : 1) : 0);
    item.stateMask |= LVIS_STATEIMAGEMASK;
  }
}

// Type-ahead: the next row from start on, round to the top, whose caption
// begins with what was typed; -1 for none (0 would be the first row).
int TOwnerDataListView::FindByCaption(UINT flags, const char* typed, int start) const {
  if (!(flags & (LVFI_STRING | LVFI_PARTIAL)) || !typed || !RowText) return -1;
  const int count = Count();
  for (int step = 0; step < count; ++step) {
    const int row = (std::max(start, 0) + step) % count;
    const std::string caption = RowText(row, 0);
    if ((flags & LVFI_PARTIAL) ? BeginsWith(caption, typed) : lstrcmpiA(caption.c_str(), typed) == 0) return row;
  }
  return -1;
}

LRESULT TOwnerDataListView::Notify(NMHDR& header) {
  switch (header.code) {
    case LVN_GETDISPINFOA:
      AnswerDisplayInfo(reinterpret_cast<NMLVDISPINFOA&>(header).item);
      return 0;
    case LVN_ODFINDITEMA: {
      const auto& find = reinterpret_cast<NMLVFINDITEMA&>(header);
      return FindByCaption(find.lvfi.flags, find.lvfi.psz, find.iStart);
    }
    // Wine asks in UTF-16 whatever the owner's notify format.
    case LVN_ODFINDITEMW: {
      const auto& find = reinterpret_cast<NMLVFINDITEMW&>(header);
      return FindByCaption(find.lvfi.flags, find.lvfi.psz ? AnsiOf(find.lvfi.psz).c_str() : nullptr, find.iStart);
    }
    case LVN_KEYDOWN: {
      const auto& key = reinterpret_cast<NMLVKEYDOWN&>(header);
      const int row = KeyRow();
      if (key.wVKey == VK_SPACE && !Held(VK_CONTROL) && !Held(VK_MENU) && row >= 0 && HasCheckBoxes() && OnCheck)
        OnCheck(row);
      return 0;
    }
    // The list tells of a change of selection or focus only: it holds no boxes.
    case LVN_ITEMCHANGED:
      if (OnChange) OnChange();
      return 0;
  }
  return TReportListView::Notify(header);
}
