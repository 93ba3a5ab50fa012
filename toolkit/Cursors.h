#pragma once
// The application's cursors by number, as controls name them; number 0 is the
// default arrow, and so is a number with no cursor registered.

#include <windows.h>

constexpr int crDefault = 0;

void SetCursorHandle(int number, HCURSOR cursor);
HCURSOR CursorHandle(int number);

// The hourglass for as long as a piece of work keeps the message loop waiting;
// the cursor the window had comes back afterwards.
class TWaitCursor {
 public:
  TWaitCursor() : previous_(SetCursor(LoadCursorA(nullptr, IDC_WAIT))) {}
  ~TWaitCursor() { SetCursor(previous_); }
  TWaitCursor(const TWaitCursor&) = delete;
  TWaitCursor& operator=(const TWaitCursor&) = delete;

 private:
  HCURSOR previous_;
};
