#include "toolkit/Control.h"

#include "toolkit/Dialog.h"
#include "toolkit/WindowText.h"

TControl::TControl(TDialog& owner, int id)
    : owner_(owner), id_(id), handle_(GetDlgItem(owner.Handle(), id)) {
  owner.Register(*this);
}

bool TControl::Enabled() const { return IsWindowEnabled(handle_) != FALSE; }

void TControl::SetEnabled(bool enabled) { EnableWindow(handle_, enabled); }

bool TControl::Visible() const { return (GetWindowLongA(handle_, GWL_STYLE) & WS_VISIBLE) != 0; }

void TControl::SetVisible(bool visible) { ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE); }

std::string TControl::Text() const { return WindowText(handle_); }

void TControl::SetText(const std::string& text) { SetWindowTextA(handle_, text.c_str()); }

void TControl::SetHint(const std::string& hint) {
  hint_ = hint;
  owner_.SetToolTip(handle_, hint_);
}
