#pragma once
// A flat button that the mouse presses without taking the focus, so that
// pressing it leaves focus and selection where they are; an access key in
// its caption presses it from the keyboard. Buttons of one group (same
// non-zero group index on one dialog) are exclusive: exactly one is down.
// A group is one stop of the Tab key, at the button that is down, as a
// group of radio buttons is: the arrow keys move between its buttons in
// reading order, Space or Enter presses the one that has the focus.

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
  // Setting a grouped button down lets the other buttons of its group up,
  // and makes it the group's stop of the Tab key.
  void SetDown(bool down);

  // What a press of the button does: a grouped button goes down first.
  void Click();
  void Command(WORD code) override {
    if (code == BN_CLICKED) Click();
  }
};
