#pragma once
// Paints a control into a bitmap in memory and copies the bitmap to the
// screen in one step. For themed controls: they draw themselves as dozens
// of small image blits, which on the screen flicker and, under Wine, each
// ask the display for its colour depth (a request to the server each).
// The control must paint itself on WM_PRINTCLIENT, as Common Controls do.

#include <windows.h>

// False when the window could not be subclassed; it then paints as before.
bool PaintThroughMemory(HWND window);
