#pragma once
#include <functional>

#include "toolkit/Control.h"

// A check box. OnClick follows every change of the checked state, whether
// the user clicked it or code set it; setting the state it already has
// changes nothing and fires nothing.
class TCheckBox : public TControl {
 public:
  using TControl::TControl;

  std::function<void()> OnClick;

  bool Checked() const { return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }
  void SetChecked(bool checked) {
    if (checked == Checked()) return;
    SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (OnClick) OnClick();
  }
  // An automatic check box has already changed its state when it reports the click.
  void Command(WORD code) override {
    if (code == BN_CLICKED && OnClick) OnClick();
  }
};
