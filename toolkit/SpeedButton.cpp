#include "toolkit/SpeedButton.h"

#include <algorithm>
#include <vector>

#include "toolkit/Dialog.h"
#include "toolkit/WindowText.h"

namespace {

struct ButtonState {
  bool down = false;
  bool pressed = false;
  bool hot = false;
  HFONT font = nullptr;
  int group = 0;  // the group index, told by the button object
};

// Tells the window which group its button belongs to (wParam).
UINT JoinGroupMessage() {
  static const UINT message = RegisterWindowMessageA("VelmoraSpeedButtonGroup");
  return message;
}

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
  // The access key is underlined when Windows shows the keyboard cues: as
  // the push buttons beside it show them, its dialog's state decides.
  const bool hideCues = SendMessageA(GetParent(hwnd), WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL;
  DrawTextA(dc, text.c_str(), -1, &rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | (hideCues ? DT_HIDEPREFIX : 0));
  if (GetFocus() == hwnd) {
    RECT focus;
    GetClientRect(hwnd, &focus);
    InflateRect(&focus, -3, -3);
    DrawFocusRect(dc, &focus);
  }
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

// The visible, enabled buttons of hwnd's group in reading order: by rows
// from the top, each row from the left.
std::vector<HWND> GroupInReadingOrder(HWND hwnd, int group) {
  std::vector<std::pair<RECT, HWND>> members;
  for (HWND other = GetWindow(GetParent(hwnd), GW_CHILD); other; other = GetWindow(other, GW_HWNDNEXT)) {
    if (other != hwnd && (WindowClassName(other) != TSpeedButton::kWindowClass || !IsWindowVisible(other) ||
                          !IsWindowEnabled(other)))
      continue;
    if (other != hwnd && StateOf(other).group != group) continue;
    RECT place;
    GetWindowRect(other, &place);
    members.push_back({place, other});
  }
  std::stable_sort(members.begin(), members.end(), [](const auto& a, const auto& b) {
    const bool sameRow = a.first.top < b.first.bottom && b.first.top < a.first.bottom;
    return sameRow ? a.first.left < b.first.left : a.first.top < b.first.top;
  });
  std::vector<HWND> order;
  for (const auto& member : members) order.push_back(member.second);
  return order;
}

// An arrow key moves the focus to the next button of the group, or back,
// round the ends.
void MoveInGroup(HWND hwnd, int group, WPARAM arrow) {
  const std::vector<HWND> order = GroupInReadingOrder(hwnd, group);
  const auto at = std::find(order.begin(), order.end(), hwnd) - order.begin();
  const int step = (arrow == VK_LEFT || arrow == VK_UP) ? -1 : 1;
  const int size = static_cast<int>(order.size());
  HWND next = order[(at + step + size) % size];
  SendMessageA(GetParent(hwnd), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
}

LRESULT KeyDown(HWND hwnd, const ButtonState& state, WPARAM key, LPARAM lParam) {
  switch (key) {
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN: MoveInGroup(hwnd, state.group, key); return 0;
    case VK_SPACE:
    case VK_RETURN: NotifyClick(hwnd); return 0;
  }
  return DefWindowProcA(hwnd, WM_KEYDOWN, key, lParam);
}

LRESULT DialogCode(const ButtonState& state, LPARAM lParam) {
  // A button for the access keys of the dialog manager; a grouped one also
  // wants its arrows, and Enter, when it has the focus.
  if (state.group == 0) return DLGC_BUTTON;
  LRESULT code = DLGC_BUTTON | DLGC_WANTARROWS;
  const auto* key = reinterpret_cast<const MSG*>(lParam);
  if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
  return code;
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
  if (msg == JoinGroupMessage()) {
    state.group = static_cast<int>(wParam);
    return 0;
  }
  switch (msg) {
    case WM_PAINT: Paint(hwnd, state); return 0;
    case WM_SETFONT: state.font = reinterpret_cast<HFONT>(wParam); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(state.font);
    case WM_GETDLGCODE: return DialogCode(state, lParam);
    case WM_KEYDOWN: return KeyDown(hwnd, state, wParam, lParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE: {
      LRESULT result = DefWindowProcA(hwnd, msg, wParam, lParam);
      InvalidateRect(hwnd, nullptr, TRUE);
      return result;
    }
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

void SetTabStop(HWND hwnd, bool stop) {
  const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
  SetWindowLongA(hwnd, GWL_STYLE, stop ? style | WS_TABSTOP : style & ~WS_TABSTOP);
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
    auto* member = dynamic_cast<TSpeedButton*>(&control);
    if (!member || member->GroupIndex != GroupIndex) return;
    SendMessageA(member->Handle(), JoinGroupMessage(), GroupIndex, 0);
    if (member != this) SendMessageA(member->Handle(), BM_SETCHECK, BST_UNCHECKED, 0);
    SetTabStop(member->Handle(), member == this);
  });
}

void TSpeedButton::Click() {
  if (!Enabled()) return;
  if (GroupIndex != 0) SetDown(true);
  if (OnClick) OnClick();
}
