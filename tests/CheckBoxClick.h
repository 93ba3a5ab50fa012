#pragma once
// A click with the mouse on the check box of a list's row, as a person makes
// it: the list handles the press and the release (and the notifications
// they bring) before this returns; what the page posts waits for the loop.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include "toolkit/ReportListView.h"

// A point on the row's check box, found as the list itself finds it.
inline POINT CheckBoxOf(const TReportListView& list, int row) {
  RECT icon = {}, bounds = {};
  icon.left = LVIR_ICON;
  bounds.left = LVIR_BOUNDS;
  SendMessageA(list.Handle(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&icon));
  SendMessageA(list.Handle(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&bounds));
  for (LONG x = bounds.left; x < icon.left; ++x) {
    LVHITTESTINFO hit = {};
    hit.pt = {x, (icon.top + icon.bottom) / 2};
    if (ListView_HitTest(list.Handle(), &hit) == row && (hit.flags & LVHT_ONITEMSTATEICON)) return hit.pt;
  }
  ADD_FAILURE() << "no check box on row " << row;
  return {};
}

inline void ClickCheckBox(const TReportListView& list, int row) {
  const POINT at = CheckBoxOf(list, row);
  const LPARAM where = MAKELPARAM(at.x, at.y);
  PostMessageA(list.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, where);
  PostMessageA(list.Handle(), WM_LBUTTONUP, 0, where);
  MSG msg;
  while (PeekMessageA(&msg, list.Handle(), WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) DispatchMessageA(&msg);
}
