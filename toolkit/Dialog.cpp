#include "toolkit/Dialog.h"

#include <commctrl.h>

#include "toolkit/Application.h"
#include "toolkit/Control.h"
#include "toolkit/ModalWindows.h"
#include "toolkit/WindowText.h"

namespace {

constexpr UINT kPostedCall = WM_APP;

}  // namespace

TDialog::TDialog(HWND parent, int templateId) {
  handle_ = CreateDialogParamA(Application().Instance(), MAKEINTRESOURCEA(templateId), parent, DialogProc,
                               reinterpret_cast<LPARAM>(this));
}

TDialog::~TDialog() {
  if (toolTip_) DestroyWindow(toolTip_);
  if (handle_) {
    SetWindowLongPtrA(handle_, DWLP_USER, 0);
    DestroyWindow(handle_);
  }
}

std::string TDialog::Caption() const { return WindowText(handle_); }

void TDialog::SetCaption(const std::string& caption) { SetWindowTextA(handle_, caption.c_str()); }

void TDialog::SetToolTip(HWND tool, const std::string& text) {
  if (!toolTip_) {
    toolTip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                               handle_, nullptr, Application().Instance(), nullptr);
    // Room for hints of more than one line.
    SendMessageA(toolTip_, TTM_SETMAXTIPWIDTH, 0, 400);
  }
  TTTOOLINFOA info = {};
  info.cbSize = sizeof info;
  info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  info.hwnd = handle_;
  info.uId = reinterpret_cast<UINT_PTR>(tool);
  info.lpszText = const_cast<char*>(text.c_str());
  SendMessageA(toolTip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
  if (!text.empty()) SendMessageA(toolTip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

TModalResult TDialog::RunModalLoop() {
  HWND owner = GetWindow(handle_, GW_OWNER);
  modalResult_ = TModalResult::None;
  {
    TModalWindows others(handle_);
    ShowWindow(handle_, SW_SHOW);
    MSG msg;
    while (modalResult_ == TModalResult::None) {
      if (GetMessageA(&msg, nullptr, 0, 0) <= 0) {
        // A quit request ends the dialog and is left for the outer loop.
        PostQuitMessage(static_cast<int>(msg.wParam));
        modalResult_ = TModalResult::Cancel;
        break;
      }
      Application().Dispatch(msg);
    }
  }
  if (handle_) ShowWindow(handle_, SW_HIDE);
  if (owner && IsWindow(owner)) SetActiveWindow(owner);
  return modalResult_;
}

void TDialog::Post(std::function<void()> call) {
  posted_.push_back(std::move(call));
  PostMessageA(handle_, kPostedCall, 0, 0);
}

INT_PTR TDialog::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case kPostedCall: {
      if (posted_.empty()) return TRUE;
      std::function<void()> call = std::move(posted_.front());
      posted_.pop_front();
      call();
      return TRUE;
    }
    case WM_COMMAND: {
      auto found = controls_.find(LOWORD(wParam));
      if (found != controls_.end()) {
        found->second->Command(HIWORD(wParam));
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {  // the Escape key
        modalResult_ = TModalResult::Cancel;
        return TRUE;
      }
      return FALSE;
    }
    case WM_NOTIFY: {
      auto& header = *reinterpret_cast<NMHDR*>(lParam);
      auto found = controls_.find(static_cast<int>(header.idFrom));
      if (found == controls_.end()) return FALSE;
      SetWindowLongPtrA(handle_, DWLP_MSGRESULT, found->second->Notify(header));
      return TRUE;
    }
    case WM_HELP: {  // F1
      auto& info = *reinterpret_cast<HELPINFO*>(lParam);
      auto found = controls_.find(info.iCtrlId);
      if (found == controls_.end() || found->second->HelpContext() == 0) return FALSE;
      Application().HelpCommand(HELP_CONTEXT, found->second->HelpContext());
      return TRUE;
    }
    case WM_CLOSE:  // the close box counts as Cancel
      modalResult_ = TModalResult::Cancel;
      return TRUE;
  }
  return FALSE;
}

INT_PTR CALLBACK TDialog::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
    reinterpret_cast<TDialog*>(lParam)->handle_ = hwnd;
    if (!(GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD)) Application().AddForm(hwnd);
    return FALSE;
  }
  auto* self = reinterpret_cast<TDialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
  if (!self) return FALSE;
  if (msg == WM_NCDESTROY) {
    Application().RemoveForm(hwnd);
    self->handle_ = nullptr;
    self->toolTip_ = nullptr;  // owned by the dialog, gone with it
    return FALSE;
  }
  return self->HandleMessage(msg, wParam, lParam);
}

void TDialog::Register(TControl& control) { controls_[control.Id()] = &control; }
