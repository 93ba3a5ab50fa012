#pragma once
// Up-down arrows coupled to an edit that shows their position.

#include <commctrl.h>

#include <functional>

#include "toolkit/Control.h"

class TUpDown : public TControl {
 public:
  using TControl::TControl;

  // Runs when an arrow is pressed, before the position moves.
  std::function<void()> OnChanging;

  void SetRange(int minimum, int maximum) { SendMessageA(Handle(), UDM_SETRANGE32, minimum, maximum); }
  int Position() const { return static_cast<int>(SendMessageA(Handle(), UDM_GETPOS32, 0, 0)); }
  // The edit it is coupled to shows the new position.
  void SetPosition(int position) { SendMessageA(Handle(), UDM_SETPOS32, 0, position); }

  LRESULT Notify(NMHDR& header) override {
    if (header.code == UDN_DELTAPOS && OnChanging) OnChanging();
    return 0;
  }
};
