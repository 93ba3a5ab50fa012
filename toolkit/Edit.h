#pragma once
#include <functional>

#include "toolkit/Control.h"

// A one-line edit. OnChange follows every change of the text, by the user or
// by code; setting the text it already shows changes nothing.
class TEdit : public TControl {
 public:
  using TControl::TControl;

  std::function<void()> OnChange;

  void SetText(const std::string& text) {
    if (text != Text()) TControl::SetText(text);
  }
  void Command(WORD code) override {
    if (code == EN_CHANGE && OnChange) OnChange();
  }
};
