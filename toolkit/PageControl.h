#pragma once
// A tab control whose tabs show the tab sheets (child dialogs) laid over its
// display area. Disabling it disables every sheet and control on it.

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

class TPageControl {
 public:
  // Fills the client area of parent; tabs in several rows, hot-tracked.
  TPageControl(HWND parent, int id, HFONT font, HIMAGELIST images);

  HWND Handle() const { return handle_; }

  // The sheet must be a child of Handle(); it is shown while its tab is. A
  // tab may get its sheet later (AttachSheet), so that the window can show
  // its tabs before every page is built.
  void AddPage(const std::string& caption, int image, HWND sheet = nullptr);
  void AttachSheet(int index, HWND sheet);
  // The smallest page control whose display area holds every sheet there is at the
  // size it was made with, given the control's present width (the width
  // decides how many rows the tabs take). Asked before LayoutPages.
  SIZE SizeForSheets() const;
  void SetSize(SIZE size);
  // Lays the sheets over the display area, once all tabs are there.
  void LayoutPages();

  int PageCount() const { return static_cast<int>(sheets_.size()); }
  std::string PageCaption(int index) const;
  int PageImage(int index) const;
  HWND Sheet(int index) const { return sheets_[index]; }
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);

  bool Enabled() const { return IsWindowEnabled(handle_) != FALSE; }
  void SetEnabled(bool enabled) { EnableWindow(handle_, enabled); }

  // Ctrl+Tab shows the next page, Ctrl+Shift+Tab the one before, and the
  // focus goes to the first control of the page shown; true when the
  // message was such a key.
  bool HandlePageKey(const MSG& msg);

  // For the parent's WM_NOTIFY: follows a tab change made by the user.
  void Notify(const NMHDR& header);

  // Called when a tab without its sheet is shown; the sheet comes later,
  // through AttachSheet.
  std::function<void(int)> OnSheetNeeded;

 private:
  void ShowActiveSheet();
  void FocusActiveSheet();
  void PlaceSheet(HWND sheet);

  HWND handle_;
  std::vector<HWND> sheets_;
  // Ctrl+Tab reached a page not yet there: its first control gets the
  // focus when it comes.
  bool focusWhenAttached_ = false;
};


// Keeps the page control disabled while a page loads or saves, and enables it
// again however the work ends; the control that had the focus (which
// disabling takes away) gets it back.
class TPageControlBusy {
 public:
  explicit TPageControlBusy(TPageControl& pages) : pages_(pages), focus_(GetFocus()) { pages_.SetEnabled(false); }
  ~TPageControlBusy() {
    pages_.SetEnabled(true);
    if (!GetFocus() && focus_ && IsWindow(focus_) && IsWindowVisible(focus_)) SetFocus(focus_);
  }
  TPageControlBusy(const TPageControlBusy&) = delete;
  TPageControlBusy& operator=(const TPageControlBusy&) = delete;

 private:
  TPageControl& pages_;
  HWND focus_;
};
