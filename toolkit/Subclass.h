#pragma once
// Window subclassing with the callbacks of Common Controls. Where comctl32
// exports its subclassing functions by name (version 6, Windows XP on) they
// are used; on older systems, where they are missing or exported by number
// only, the window's own chain (toolkit/SubclassChain.h) does the same.

#include <windows.h>
#include <commctrl.h>

// False when the window could not be subclassed. The same proc and id again
// only replace the data.
bool AddSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id, DWORD_PTR data);
void RemoveSubclass(HWND window, SUBCLASSPROC proc, UINT_PTR id);
// From inside a subclass proc: hands the message to the next one down the
// chain, and finally to the window's own procedure.
LRESULT CallNextSubclass(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
