#pragma once
#include <functional>

#include "toolkit/Control.h"

// A one-line edit. OnChange follows every change of the text, by the user or
// by code; setting the text it already shows changes nothing.
class TEdit : public TControl {
 public:
  using TControl::TControl;

  std::function<void()> OnChange;
  std::function<void()> OnEnter;  // the edit got the keyboard focus
  std::function<void()> OnExit;   // the edit lost it

  void SetText(const std::string& text) {
    if (text != Text()) TControl::SetText(text);
  }
  void SetMaxLength(int length) { SendMessageA(Handle(), EM_SETLIMITTEXT, length, 0); }
  // A read-only edit shows its text and takes no typing.
  bool ReadOnly() const { return (GetWindowLongA(Handle(), GWL_STYLE) & ES_READONLY) != 0; }
  void SetReadOnly(bool readOnly) { SendMessageA(Handle(), EM_SETREADONLY, readOnly, 0); }
  void Command(WORD code) override {
    if (code == EN_CHANGE && OnChange) OnChange();
    if (code == EN_SETFOCUS && OnEnter) OnEnter();
    if (code == EN_KILLFOCUS && OnExit) OnExit();
  }
};
