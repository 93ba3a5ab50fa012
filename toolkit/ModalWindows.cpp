#include "toolkit/ModalWindows.h"

#include "toolkit/Application.h"

TModalWindows::TModalWindows(HWND leftAlone) {
  std::vector<HWND> windows = Application().Forms();
  windows.push_back(Application().Handle());
  for (HWND window : windows) {
    if (!window || window == leftAlone || !IsWindowEnabled(window)) continue;
    EnableWindow(window, FALSE);
    disabled_.push_back(window);
  }
}

TModalWindows::~TModalWindows() {
  for (HWND window : disabled_)
    if (IsWindow(window)) EnableWindow(window, TRUE);
}
