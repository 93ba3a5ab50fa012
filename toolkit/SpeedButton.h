#pragma once
// A flat button that never takes the keyboard focus, so that pressing it
// leaves focus and selection where they are. Buttons of one group (same
// non-zero group index on one dialog) are exclusive: exactly one is down.

#include <functional>

#include "toolkit/Control.h"

class TSpeedButton : public TControl {
 public:
  static constexpr char kWindowClass[] = "VelmoraSpeedButton";
  static void RegisterWindowClass();

  using TControl::TControl;

  int GroupIndex = 0;
  std::function<void()> OnClick;

  bool Down() const;
  // Setting a grouped button down lets the other buttons of its group up.
  void SetDown(bool down);

  // What a press of the button does: a grouped button goes down first.
  void Click();
  void Command(WORD code) override {
    if (code == BN_CLICKED) Click();
  }
};
