#pragma once
// Subclassing as Common Controls 6 does it, for systems whose comctl32 lacks
// it: one window procedure per window calls the subclass procs, the newest
// first; each hands a message on with SubclassChain::CallNext. The chain ends
// with the window's own procedure and goes away with the window.

#include <windows.h>
#include <commctrl.h>

namespace SubclassChain {

bool Add(HWND window, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data);
void Remove(HWND window, SUBCLASSPROC proc, UINT_PTR id);
LRESULT CallNext(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace SubclassChain
