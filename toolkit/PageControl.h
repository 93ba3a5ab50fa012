#pragma once
// A tab control whose tabs show the tab sheets (child dialogs) laid over its
// display area. Disabling it disables every sheet and control on it.

#include <windows.h>
#include <commctrl.h>

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
  // Lays the sheets over the display area, once all tabs are there.
  void LayoutPages();

  int PageCount() const { return static_cast<int>(sheets_.size()); }
  std::string PageCaption(int index) const;
  int PageImage(int index) const;
  int ActivePageIndex() const;
  void SetActivePageIndex(int index);

  bool Enabled() const { return IsWindowEnabled(handle_) != FALSE; }
  void SetEnabled(bool enabled) { EnableWindow(handle_, enabled); }

  // For the parent's WM_NOTIFY: follows a tab change made by the user.
  void Notify(const NMHDR& header);

 private:
  void ShowActiveSheet();
  void PlaceSheet(HWND sheet);

  HWND handle_;
  std::vector<HWND> sheets_;
};


// Keeps the page control disabled while a page loads or saves, and enables it
// again however the work ends.
class TPageControlBusy {
 public:
  explicit TPageControlBusy(TPageControl& pages) : pages_(pages) { pages_.SetEnabled(false); }
  ~TPageControlBusy() { pages_.SetEnabled(true); }
  TPageControlBusy(const TPageControlBusy&) = delete;
  TPageControlBusy& operator=(const TPageControlBusy&) = delete;

 private:
  TPageControl& pages_;
};
