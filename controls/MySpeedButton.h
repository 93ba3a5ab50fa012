#pragma once
// A speed button that carries a help topic for F1.

#include "toolkit/SpeedButton.h"

class TMySpeedButton : public TSpeedButton {
 public:
  using TSpeedButton::TSpeedButton;

  int HelpContext() const override { return helpContext_; }
  void SetHelpContext(int topic) { helpContext_ = topic; }

 private:
  int helpContext_ = 0;
};
