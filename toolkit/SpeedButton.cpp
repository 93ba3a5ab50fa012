#include "toolkit/SpeedButton.h"

#include "toolkit/Dialog.h"
#include "toolkit/WindowText.h"

namespace {

struct ButtonState {
  bool down = false;
  bool pressed = false;
  bool hot = false;
  HFONT font = nullptr;
};

ButtonState& StateOf(HWND hwnd) {
  return *reinterpret_cast<ButtonState*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

void Paint(HWND hwnd, const ButtonState& state) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  RECT rect;
  GetClientRect(hwnd, &rect);
  FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
  bool enabled = IsWindowEnabled(hwnd);
  if (state.down || (state.pressed && state.hot))
    DrawEdge(dc, &rect, BDR_SUNKENOUTER, BF_RECT);
  else if (state.hot && enabled)
    DrawEdge(dc, &rect, BDR_RAISEDINNER, BF_RECT);
  const std::string text = WindowText(hwnd);
  HGDIOBJ oldFont = SelectObject(dc, state.font ? state.font : GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  if (state.down) OffsetRect(&rect, 1, 1);
  DrawTextA(dc, text.c_str(), -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, oldFont);
  EndPaint(hwnd, &ps);
}

void NotifyClick(HWND hwnd) {
  SendMessageA(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), BN_CLICKED),
               reinterpret_cast<LPARAM>(hwnd));
}

bool CursorInside(HWND hwnd, LPARAM lParam) {
  RECT rect;
  GetClientRect(hwnd, &rect);
  POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
  return PtInRect(&rect, point);
}

LRESULT CALLBACK SpeedButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new ButtonState));
  if (msg == WM_NCDESTROY) {
    delete &StateOf(hwnd);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
  if (!GetWindowLongPtrA(hwnd, GWLP_USERDATA)) return DefWindowProcA(hwnd, msg, wParam, lParam);
  ButtonState& state = StateOf(hwnd);
  switch (msg) {
    case WM_PAINT: Paint(hwnd, state); return 0;
    case WM_SETFONT: state.font = reinterpret_cast<HFONT>(wParam); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(state.font);
    case WM_GETDLGCODE: return DLGC_STATIC;  // never a tab stop or a default button
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_MOUSEMOVE:
      if (!state.hot) {
        state.hot = true;
        TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, hwnd, 0};
        TrackMouseEvent(&track);
        InvalidateRect(hwnd, nullptr, TRUE);
      }
      return 0;
    case WM_MOUSELEAVE:
      state.hot = false;
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      state.pressed = true;
      SetCapture(hwnd);
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_LBUTTONUP:
      if (state.pressed) {
        state.pressed = false;
        ReleaseCapture();
        InvalidateRect(hwnd, nullptr, TRUE);
        if (CursorInside(hwnd, lParam)) NotifyClick(hwnd);
      }
      return 0;
    case BM_CLICK: NotifyClick(hwnd); return 0;
    case BM_GETCHECK: return state.down ? BST_CHECKED : BST_UNCHECKED;
    case BM_SETCHECK:
      state.down = wParam == BST_CHECKED;
      InvalidateRect(hwnd, nullptr, TRUE);
      return 0;
    case WM_ENABLE:
    case WM_SETTEXT: {
      LRESULT result = DefWindowProcA(hwnd, msg, wParam, lParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return result;
    }
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

void TSpeedButton::RegisterWindowClass() {
  WNDCLASSA wc = {};
  wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = SpeedButtonProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.lpszClassName = kWindowClass;
  RegisterClassA(&wc);
}

bool TSpeedButton::Down() const { return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void TSpeedButton::SetDown(bool down) {
  SendMessageA(Handle(), BM_SETCHECK, down ? BST_CHECKED : BST_UNCHECKED, 0);
  if (!down || GroupIndex == 0) return;
  Owner().ForEachControl([this](TControl& control) {
    auto* other = dynamic_cast<TSpeedButton*>(&control);
    if (other && other != this && other->GroupIndex == GroupIndex)
      SendMessageA(other->Handle(), BM_SETCHECK, BST_UNCHECKED, 0);
  });
}

void TSpeedButton::Click() {
  if (!Enabled()) return;
  if (GroupIndex != 0) SetDown(true);
  if (OnClick) OnClick();
}
