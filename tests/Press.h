#pragma once
#include <windows.h>

#include "toolkit/Control.h"

// A click on a button as the user makes it: through the window, so the
// control's own notification runs.
inline void Press(const TControl& button) { SendMessageA(button.Handle(), BM_CLICK, 0, 0); }
