#pragma once
// A label that stands for an address: it lights up while the mouse is over
// it, shows the hand cursor and opens its address when clicked.

#include <functional>
#include <string>

#include "toolkit/Button.h"
#include "toolkit/Graphics.h"

class THTTPLabel : public TLabel {
 public:
  // The application's cursor number of the hand, loaded from the resource
  // "HAND" of the program file.
  static constexpr int crHand = 17999;

  // The window from the template needs SS_NOTIFY to see the mouse.
  THTTPLabel(TDialog& owner, int id);
  ~THTTPLabel() override;

  bool HighLightOnBlankURL = false;
  const std::string& Url() const { return url_; }
  void SetUrl(const std::string& url);

  TColor BGColorNormal() const { return bgColorNormal_; }
  void SetBGColorNormal(TColor color) { Change(bgColorNormal_, color); }
  TColor BGColorHighlight() const { return bgColorHighlight_; }
  void SetBGColorHighlight(TColor color) { Change(bgColorHighlight_, color); }
  TColor FontColorNormal() const { return fontColorNormal_; }
  void SetFontColorNormal(TColor color) { Change(fontColorNormal_, color); }
  TColor FontColHighlightFocused() const { return fontColHighlightFocused_; }
  void SetFontColHighlightFocused(TColor color) { Change(fontColHighlightFocused_, color); }
  TColor FontColHighlightNoneFocused() const { return fontColHighlightNoneFocused_; }
  void SetFontColHighlightNoneFocused(TColor color) { Change(fontColHighlightNoneFocused_, color); }
  TFontStyles FontStyleNormal() const { return fontStyleNormal_; }
  void SetFontStyleNormal(TFontStyles style) { Change(fontStyleNormal_, style); }
  TFontStyles FontStyleHighlightFocused() const { return fontStyleHighlightFocused_; }
  void SetFontStyleHighlightFocused(TFontStyles style) { Change(fontStyleHighlightFocused_, style); }
  TFontStyles FontStyleHighlightNoneFocused() const { return fontStyleHighlightNoneFocused_; }
  void SetFontStyleHighlightNoneFocused(TFontStyles style) { Change(fontStyleHighlightNoneFocused_, style); }

  bool ShowUrlAsHint() const { return showUrlAsHint_; }
  void SetShowUrlAsHint(bool show);
  bool PlaySoundOnFocus = true;

  // Each is called with the label.
  std::function<void(THTTPLabel&)> OnGetFocus, OnLooseFocus, OnGetFocusWindowActive, OnLooseFocusWindowActive,
      OnGetFocusWindowInActive, OnLooseFocusWindowInActive;
  std::function<void()> OnClick;

  // The look of the moment.
  TColor Color() const { return color_; }
  TColor FontColor() const { return fontColor_; }
  TFontStyles FontStyle() const { return fontStyle_; }
  int Cursor() const { return cursor_; }
  bool ShowHint() const { return showHint_; }
  bool Transparent() const { return transparent_; }
  bool Hovered() const { return hovered_; }
  HWND FormHandle() const { return formHandle_; }

  void Click();
  void MouseEnter();
  void MouseLeave();
  void Command(WORD code) override;

 private:
  static LRESULT CALLBACK LabelProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR self);
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

  template <class T> void Change(T& field, T value) {
    if (field == value) return;
    field = value;
    ApplyLook();
  }
  bool FormActive() const;
  void ShowFocusedHighlight();
  void ShowNormalLook();
  void PlayFocusSound();
  void ApplyLook();
  void Paint();

  std::string url_;
  TColor bgColorNormal_ = clBackground, bgColorHighlight_ = clHighlight, fontColorNormal_ = clCaptionText,
         fontColHighlightFocused_ = clHighlightText, fontColHighlightNoneFocused_ = clHighlight;
  TFontStyles fontStyleNormal_ = 0, fontStyleHighlightFocused_ = fsBold | fsUnderline,
              fontStyleHighlightNoneFocused_ = fsUnderline;
  bool showUrlAsHint_ = false;

  TColor color_;
  TColor fontColor_;
  TFontStyles fontStyle_;
  int cursor_;
  bool showHint_;
  bool hovered_;
  bool transparent_;
  HWND formHandle_;
};
