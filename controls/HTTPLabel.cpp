#include "controls/HTTPLabel.h"

#include <commctrl.h>

#include "toolkit/Cursors.h"
#include "toolkit/Interaction.h"
#include "toolkit/Subclass.h"
#include "toolkit/Themes.h"

namespace {

constexpr char kFocusSound[] = "CCSelect";

bool RegisterHandCursor() {
  HCURSOR hand = LoadCursorA(GetModuleHandleA(nullptr), "HAND");
  if (hand) SetCursorHandle(THTTPLabel::crHand, hand);
  return hand != nullptr;
}
[[maybe_unused]] const bool handCursorRegistered = RegisterHandCursor();

}  // namespace

THTTPLabel::THTTPLabel(TDialog& owner, int id)
    : TLabel(owner, id),
      color_(bgColorNormal_),
      fontColor_(fontColorNormal_),
      fontStyle_(fontStyleNormal_),
      cursor_(crDefault),
      showHint_(true),
      hovered_(false),
      transparent_(!ThemesEnabled()),
      formHandle_(GetAncestor(Handle(), GA_ROOT)) {
  AddSubclass(Handle(), LabelProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

THTTPLabel::~THTTPLabel() { RemoveSubclass(Handle(), LabelProc, 0); }

void THTTPLabel::SetUrl(const std::string& url) {
  if (url == url_) return;
  url_ = url;
  cursor_ = url_.empty() ? crDefault : crHand;
  if (showUrlAsHint_) SetHint(url_);
  ApplyLook();
}

void THTTPLabel::SetShowUrlAsHint(bool show) {
  if (show == showUrlAsHint_) return;
  showUrlAsHint_ = show;
  showHint_ = show;
  if (show) SetHint(url_);
}

bool THTTPLabel::FormActive() const { return GetActiveWindow() == formHandle_; }

void THTTPLabel::PlayFocusSound() {
  if (PlaySoundOnFocus) Interaction().PlaySystemSound(kFocusSound);
}

void THTTPLabel::ShowFocusedHighlight() {
  fontColor_ = fontColHighlightFocused_;
  fontStyle_ = fontStyleHighlightFocused_;
  color_ = bgColorHighlight_;
}

void THTTPLabel::ShowNormalLook() {
  fontStyle_ = fontStyleNormal_;
  color_ = bgColorNormal_;
  fontColor_ = fontColorNormal_;
}

void THTTPLabel::MouseEnter() {
  hovered_ = true;
  bool lights = !url_.empty() || HighLightOnBlankURL;
  if (FormActive()) {
    PlayFocusSound();
    if (lights) ShowFocusedHighlight();
    InvalidateRect(Handle(), nullptr, TRUE);
    if (OnGetFocusWindowActive) OnGetFocusWindowActive(*this);
  } else {
    if (lights) {
      fontColor_ = fontColHighlightNoneFocused_;
      fontStyle_ = fontStyleHighlightNoneFocused_;
    }
    InvalidateRect(Handle(), nullptr, TRUE);
    if (OnGetFocusWindowInActive) OnGetFocusWindowInActive(*this);
  }
  if (OnGetFocus) OnGetFocus(*this);
}

void THTTPLabel::MouseLeave() {
  hovered_ = false;
  ShowNormalLook();
  InvalidateRect(Handle(), nullptr, TRUE);
  auto& windowEvent = FormActive() ? OnLooseFocusWindowActive : OnLooseFocusWindowInActive;
  if (windowEvent) windowEvent(*this);
  if (OnLooseFocus) OnLooseFocus(*this);
}

// Does not look at the address: a property change while hovered highlights
// even a label without one.
void THTTPLabel::ApplyLook() {
  if (hovered_ && FormActive()) {
    PlayFocusSound();
    ShowFocusedHighlight();
  } else if (hovered_) {
    fontColor_ = fontColHighlightNoneFocused_;
    fontStyle_ = fontStyleHighlightNoneFocused_;
    color_ = bgColorNormal_;
  } else {
    ShowNormalLook();
  }
  InvalidateRect(Handle(), nullptr, TRUE);
}

void THTTPLabel::Click() {
  if (!url_.empty()) Interaction().OpenDocument(formHandle_, url_);
  if (OnClick) OnClick();
}

void THTTPLabel::Command(WORD code) {
  if (code == STN_CLICKED) Click();
}

void THTTPLabel::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(Handle(), &ps);
  RECT rect;
  GetClientRect(Handle(), &rect);
  if (!transparent_) {
    HBRUSH brush = CreateSolidBrush(ColorToRGB(color_));
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
  }
  HFONT font = StyledFont(reinterpret_cast<HFONT>(SendMessageA(Handle(), WM_GETFONT, 0, 0)), fontStyle_);
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ColorToRGB(fontColor_));
  std::string text = Text();
  DrawTextA(dc, text.c_str(), -1, &rect, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, oldFont);
  DeleteObject(font);
  EndPaint(Handle(), &ps);
}

LRESULT THTTPLabel::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_MOUSEMOVE:
      if (!hovered_) {
        TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&track);
        MouseEnter();
      }
      break;
    case WM_MOUSELEAVE:
      if (hovered_) MouseLeave();
      return 0;
    case WM_SETCURSOR:
      SetCursor(CursorHandle(cursor_));
      return TRUE;
    case WM_SETFONT: {
      LRESULT result = CallNextSubclass(Handle(), msg, wParam, lParam);
      ApplyLook();
      return result;
    }
  }
  return CallNextSubclass(Handle(), msg, wParam, lParam);
}

LRESULT CALLBACK THTTPLabel::LabelProc(HWND, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
  return reinterpret_cast<THTTPLabel*>(self)->HandleMessage(msg, wParam, lParam);
}
