#include "toolkit/Application.h"

#include <commctrl.h>

#include "toolkit/SpeedButton.h"

namespace {
constexpr char kApplicationClass[] = "VelmoraApplication";
}

TApplication& Application() {
  static TApplication application;
  return application;
}

bool TApplication::RegisterFormClass(WNDCLASSEXA& windowClass) const {
  static const HICON icon = LoadIconA(Instance(), MAKEINTRESOURCEA(1));
  static const HICON smallIcon = static_cast<HICON>(LoadImageA(Instance(), MAKEINTRESOURCEA(1), IMAGE_ICON,
                                                                GetSystemMetrics(SM_CXSMICON),
                                                                GetSystemMetrics(SM_CYSMICON), LR_SHARED));
  windowClass.cbSize = sizeof windowClass;
  windowClass.hInstance = Instance();
  windowClass.hIcon = icon;
  windowClass.hIconSm = smallIcon;
  return RegisterClassExA(&windowClass) != 0;
}

void TApplication::Initialize(bool taskbarButton) {
  if (handle_) return;
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  TSpeedButton::RegisterWindowClass();

  WNDCLASSEXA wc = {};
  wc.lpfnWndProc = WindowProc;
  wc.lpszClassName = kApplicationClass;
  RegisterFormClass(wc);
  // A window of no size whose only visible part is its taskbar button; the
  // main form is owned by it, as is usual for single-window tools.
  DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPSIBLINGS;
  handle_ = CreateWindowExA(0, kApplicationClass, title_.c_str(), style, 0, 0, 0, 0, nullptr, nullptr,
                            Instance(), nullptr);
  if (taskbarButton) ShowWindow(handle_, SW_SHOWNOACTIVATE);
}

void TApplication::SetTitle(const std::string& title) {
  title_ = title;
  if (handle_) SetWindowTextA(handle_, title.c_str());
}

LRESULT CALLBACK TApplication::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  HWND mainForm = Application().MainForm;
  if (msg == WM_SYSCOMMAND && mainForm) {
    switch (wParam & 0xFFF0) {
      case SC_CLOSE:
        PostMessageA(mainForm, WM_CLOSE, 0, 0);
        return 0;
      case SC_MINIMIZE:
        ShowWindow(mainForm, SW_HIDE);
        ShowWindow(hwnd, SW_MINIMIZE);
        return 0;
      case SC_RESTORE:
        ShowWindow(hwnd, SW_RESTORE);
        ShowWindow(mainForm, SW_SHOW);
        SetForegroundWindow(mainForm);
        return 0;
    }
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void TApplication::Dispatch(MSG& msg) {
  bool handled = false;
  if (OnMessage) OnMessage(msg, handled);
  if (handled) return;
  HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  if (root && msg.message == WM_KEYDOWN) {
    auto preview = keyPreviews_.find(root);
    if (preview != keyPreviews_.end() && preview->second(msg)) return;
  }
  if (root && IsDialogMessageA(root, &msg)) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

void TApplication::HelpCommand(UINT command, ULONG_PTR data) {
  bool callHelp = true;
  if (OnHelp) OnHelp(command, data, callHelp);
  if (callHelp && !HelpFile.empty()) WinHelpA(MainForm ? MainForm : handle_, HelpFile.c_str(), command, data);
}

void TApplication::AddForm(HWND form) { forms_.push_back(form); }

void TApplication::RemoveForm(HWND form) {
  std::erase(forms_, form);
  keyPreviews_.erase(form);
}

void TApplication::SetKeyPreview(HWND form, std::function<bool(const MSG&)> handler) {
  keyPreviews_[form] = std::move(handler);
}

int TApplication::AddIdleHandler(std::function<void()> handler) {
  idleHandlers_[nextIdleTicket_] = std::move(handler);
  return nextIdleTicket_++;
}

void TApplication::RemoveIdleHandler(int ticket) { idleHandlers_.erase(ticket); }

void TApplication::Idle() {
  // A handler may add or remove handlers: run a copy.
  auto handlers = idleHandlers_;
  for (auto& [ticket, handler] : handlers) handler();
}

void TApplication::Run() {
  MSG msg;
  for (;;) {
    if (!PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) Idle();
    if (GetMessageA(&msg, nullptr, 0, 0) <= 0) break;
    Dispatch(msg);
  }
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    Dispatch(msg);
  }
}
