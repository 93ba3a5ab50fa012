#include "toolkit/PageControl.h"

#include <algorithm>

#include "toolkit/BufferedPaint.h"
#include "toolkit/Themes.h"

TPageControl::TPageControl(HWND parent, int id, HFONT font, HIMAGELIST images) {
  RECT client;
  GetClientRect(parent, &client);
  DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_TABSTOP | TCS_MULTILINE | TCS_HOTTRACK;
  handle_ = CreateWindowExA(WS_EX_CONTROLPARENT, WC_TABCONTROLA, "", style, 0, 0, client.right, client.bottom, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  SendMessageA(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  TabCtrl_SetImageList(handle_, images);
  // Sixteen themed tabs are a hundred and more image blits.
  if (ThemesEnabled()) PaintThroughMemory(handle_);
}

void TPageControl::AddPage(const std::string& caption, int image, HWND sheet) {
  TCITEMA item = {};
  item.mask = TCIF_TEXT | TCIF_IMAGE;
  item.pszText = const_cast<char*>(caption.c_str());
  item.iImage = image;
  SendMessageA(handle_, TCM_INSERTITEMA, sheets_.size(), reinterpret_cast<LPARAM>(&item));
  sheets_.push_back(sheet);
}

void TPageControl::AttachSheet(int index, HWND sheet) {
  sheets_[index] = sheet;
  PlaceSheet(sheet);
  const bool active = index == ActivePageIndex();
  ShowWindow(sheet, active ? SW_SHOW : SW_HIDE);
  if (active && focusWhenAttached_) FocusActiveSheet();
}

SIZE TPageControl::SizeForSheets() const {
  RECT display = {0, 0, 0, 0};
  for (HWND sheet : sheets_) {
    if (!sheet) continue;
    RECT place;
    GetWindowRect(sheet, &place);
    display.right = std::max(display.right, place.right - place.left);
    display.bottom = std::max(display.bottom, place.bottom - place.top);
  }
  TabCtrl_AdjustRect(handle_, TRUE, &display);
  return {display.right - display.left, display.bottom - display.top};
}

void TPageControl::SetSize(SIZE size) {
  SetWindowPos(handle_, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TPageControl::LayoutPages() {
  for (HWND sheet : sheets_) PlaceSheet(sheet);
  ShowActiveSheet();
}

void TPageControl::PlaceSheet(HWND sheet) {
  if (!sheet) return;
  RECT area;
  GetClientRect(handle_, &area);
  TabCtrl_AdjustRect(handle_, FALSE, &area);
  SetWindowPos(sheet, HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top, SWP_NOACTIVATE);
}

std::string TPageControl::PageCaption(int index) const {
  char text[128] = {};
  TCITEMA item = {};
  item.mask = TCIF_TEXT;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(handle_, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item));
  return text;
}

int TPageControl::PageImage(int index) const {
  TCITEMA item = {};
  item.mask = TCIF_IMAGE;
  SendMessageA(handle_, TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item));
  return item.iImage;
}

int TPageControl::ActivePageIndex() const { return TabCtrl_GetCurSel(handle_); }

void TPageControl::SetActivePageIndex(int index) {
  TabCtrl_SetCurSel(handle_, index);
  ShowActiveSheet();
}

bool TPageControl::HandlePageKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || GetKeyState(VK_CONTROL) >= 0 || !Enabled()) return false;
  int step = GetKeyState(VK_SHIFT) < 0 ? -1 : 1;
  SetActivePageIndex((ActivePageIndex() + step + PageCount()) % PageCount());
  FocusActiveSheet();
  return true;
}

void TPageControl::FocusActiveSheet() {
  HWND sheet = sheets_[ActivePageIndex()];
  HWND first = sheet ? GetNextDlgTabItem(sheet, nullptr, FALSE) : nullptr;
  SetFocus(first ? first : handle_);
  focusWhenAttached_ = !sheet;
}

void TPageControl::Notify(const NMHDR& header) {
  if (header.hwndFrom == handle_ && header.code == TCN_SELCHANGE) ShowActiveSheet();
}

void TPageControl::ShowActiveSheet() {
  int active = ActivePageIndex();
  if (!sheets_[active] && OnSheetNeeded) OnSheetNeeded(active);
  for (int i = 0; i < PageCount(); ++i)
    if (sheets_[i]) ShowWindow(sheets_[i], i == active ? SW_SHOW : SW_HIDE);
}
