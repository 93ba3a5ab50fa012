#include "toolkit/ListKeys.h"

#include <commctrl.h>

#include "toolkit/Subclass.h"

namespace {

constexpr UINT_PTR kSubclassId = 0x4C4B;  // "LK"

// Posted to the list by a key: the command runs after the key was handled.
UINT RunKeyMessage() {
  static const UINT message = RegisterWindowMessageA("VelmoraListKey");
  return message;
}
UINT OpenMenuMessage() {
  static const UINT message = RegisterWindowMessageA("VelmoraListMenu");
  return message;
}

constexpr LPARAM kFromKeyboard = -1;  // as WM_CONTEXTMENU says it

bool Held(int key) { return GetKeyState(key) < 0; }

TListKey KeyOf(WPARAM virtualKey) {
  if (Held(VK_CONTROL) || Held(VK_MENU)) return TListKey::None;
  switch (virtualKey) {
    case VK_INSERT: return TListKey::Insert;
    case VK_DELETE: return TListKey::Delete;
    case VK_RETURN:
    case VK_F2: return TListKey::Change;
    case VK_F5: return TListKey::Refresh;
  }
  return TListKey::None;
}

bool AsksForMenu(UINT msg, WPARAM virtualKey) {
  return (msg == WM_KEYDOWN && virtualKey == VK_APPS) ||
         ((msg == WM_KEYDOWN || msg == WM_SYSKEYDOWN) && virtualKey == VK_F10 && Held(VK_SHIFT));
}

}  // namespace

TListKeys::TListKeys(TReportListView& list, std::function<std::vector<TCommand>()> commands)
    : list_(list), commands_(std::move(commands)) {
  AddSubclass(list_.Handle(), ListProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

TListKeys::~TListKeys() {
  if (IsWindow(list_.Handle())) RemoveSubclass(list_.Handle(), ListProc, kSubclassId);
}

LRESULT CALLBACK TListKeys::ListProc(HWND, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  return reinterpret_cast<TListKeys*>(self)->HandleMessage(msg, wParam, lParam);
}

LRESULT TListKeys::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  HWND list = list_.Handle();
  if (msg == WM_GETDLGCODE) {
    // Enter belongs to the list, not to the dialog's default button.
    const auto* key = reinterpret_cast<const MSG*>(lParam);
    LRESULT code = CallNextSubclass(list, msg, wParam, lParam);
    if (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
    return code;
  }
  if (AsksForMenu(msg, wParam)) {
    PostMessageA(list, OpenMenuMessage(), 0, kFromKeyboard);
    return 0;
  }
  if (msg == WM_KEYUP && wParam == VK_APPS) return 0;  // the menu is open already
  if (msg == WM_KEYDOWN && KeyOf(wParam) != TListKey::None) {
    PostMessageA(list, RunKeyMessage(), static_cast<WPARAM>(KeyOf(wParam)), 0);
    return 0;
  }
  if (msg == WM_CONTEXTMENU) {
    PostMessageA(list, OpenMenuMessage(), 0, lParam);
    return 0;
  }
  if (msg == RunKeyMessage()) {
    RunKey(static_cast<TListKey>(wParam));
    return 0;
  }
  if (msg == OpenMenuMessage()) {
    RunCommandMenu(GetAncestor(list, GA_ROOT), MenuPlace(lParam), commands_());
    return 0;
  }
  return CallNextSubclass(list, msg, wParam, lParam);
}

void TListKeys::RunKey(TListKey key) {
  for (const TCommand& command : commands_())
    if (command.key == key) {
      if (command.enabled && command.run) command.run();
      return;
    }
}

POINT TListKeys::MenuPlace(LPARAM clicked) const {
  if (clicked != kFromKeyboard) return {static_cast<short>(LOWORD(clicked)), static_cast<short>(HIWORD(clicked))};
  POINT place = {0, 0};
  RECT row;
  const int selected = list_.SelectedIndex();
  if (selected >= 0 && ListView_GetItemRect(list_.Handle(), selected, &row, LVIR_LABEL))
    place = {row.left, row.bottom};
  ClientToScreen(list_.Handle(), &place);
  return place;
}
