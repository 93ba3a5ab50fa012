#pragma once
#include <functional>

#include "toolkit/Control.h"
#include "toolkit/Dialog.h"

// A push button; one with a modal result closes its dialog with that result.
class TButton : public TControl {
 public:
  using TControl::TControl;

  std::function<void()> OnClick;
  TModalResult ModalResult = TModalResult::None;

  // What a press of the button does.
  void Click() {
    if (!Enabled()) return;
    if (ModalResult != TModalResult::None) Owner().SetModalResult(ModalResult);
    if (OnClick) OnClick();
  }
  void Command(WORD code) override {
    if (code == BN_CLICKED) Click();
  }
};

// A static text.
class TLabel : public TControl {
 public:
  using TControl::TControl;
};
