#pragma once
// Gives the focus back to the control that had it when a top-level window
// is activated again (after a message box, a dialog or another program), as
// dialogs do by themselves; a plain window would take the focus itself.

#include <windows.h>

class TFocusMemory {
 public:
  // For the window's WM_ACTIVATE; true when the focus was given back, so
  // that the default handling must not take it.
  bool Activate(HWND window, WPARAM wParam);

 private:
  HWND lastFocus_ = nullptr;
};
