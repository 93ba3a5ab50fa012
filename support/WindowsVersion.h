#pragma once
// What the Windows the program runs on offers beyond its family (IsWinNT).
// Each answer is worked out once, at its first use.

#include <windows.h>

// 64-bit Windows, whichever of the two builds runs: a 64-bit program runs on
// nothing else, a 32-bit one asks whether it runs under WOW64.
bool IsWin64();

// Windows 8 or later, where the task manager can switch a start-up entry off.
bool IsWin8OrLater();

// The flag that opens a registry key in the view Windows itself reads:
// KEY_WOW64_64KEY on 64-bit Windows, 0 elsewhere (older systems do not know
// the flag).
REGSAM NativeRegistryView();
