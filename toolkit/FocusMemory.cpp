#include "toolkit/FocusMemory.h"

bool TFocusMemory::Activate(HWND window, WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (focus && IsChild(window, focus)) lastFocus_ = focus;
    return false;
  }
  if (HIWORD(wParam) || !lastFocus_ || !IsChild(window, lastFocus_) || !IsWindowVisible(lastFocus_) ||
      !IsWindowEnabled(lastFocus_))
    return false;  // minimised, or the control is gone, hidden or disabled
  SetFocus(lastFocus_);
  return true;
}
