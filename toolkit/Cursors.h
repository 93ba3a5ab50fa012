#pragma once
// The application's cursors by number, as controls name them; number 0 is the
// default arrow, and so is a number with no cursor registered.

#include <windows.h>

constexpr int crDefault = 0;

void SetCursorHandle(int number, HCURSOR cursor);
HCURSOR CursorHandle(int number);
