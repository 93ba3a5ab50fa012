#pragma once
// While a modal dialog or message box runs, the program's other windows take
// no input: the application window behind the taskbar button (its menu could
// otherwise close the main window under the dialog), the main window and any
// other form. They are enabled again when the dialog ends.

#include <windows.h>

#include <vector>

class TModalWindows {
 public:
  // Leaves alone the dialog itself, or the owner that a system dialog (a
  // message box, a file dialog) disables and enables by itself.
  explicit TModalWindows(HWND leftAlone);
  ~TModalWindows();
  TModalWindows(const TModalWindows&) = delete;
  TModalWindows& operator=(const TModalWindows&) = delete;

 private:
  std::vector<HWND> disabled_;
};
