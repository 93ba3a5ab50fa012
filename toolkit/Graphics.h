#pragma once
// Colours and font styles as the controls take them: a colour is an RGB value
// or one of the system's colours, which follow the user's settings.

#include <windows.h>

using TColor = int;

constexpr TColor SystemColor(int index) { return static_cast<TColor>(0x80000000u | static_cast<unsigned>(index)); }
constexpr TColor clBackground = SystemColor(COLOR_BACKGROUND);
constexpr TColor clHighlight = SystemColor(COLOR_HIGHLIGHT);
constexpr TColor clHighlightText = SystemColor(COLOR_HIGHLIGHTTEXT);
constexpr TColor clCaptionText = SystemColor(COLOR_CAPTIONTEXT);
constexpr TColor clBtnFace = SystemColor(COLOR_BTNFACE);
constexpr TColor clBtnText = SystemColor(COLOR_BTNTEXT);
constexpr TColor clWindowText = SystemColor(COLOR_WINDOWTEXT);

inline COLORREF ColorToRGB(TColor color) {
  return color < 0 ? GetSysColor(color & 0xFF) : static_cast<COLORREF>(color);
}

// A set of font styles: any combination of the flags.
using TFontStyles = unsigned;
constexpr TFontStyles fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8;

// A new font like base (the GUI font when base is null) in exactly the given
// styles. The caller deletes it.
inline HFONT StyledFont(HFONT base, TFontStyles style) {
  LOGFONTA font = {};
  GetObjectA(base ? base : GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
  font.lfWeight = style & fsBold ? FW_BOLD : FW_NORMAL;
  font.lfItalic = (style & fsItalic) != 0;
  font.lfUnderline = (style & fsUnderline) != 0;
  font.lfStrikeOut = (style & fsStrikeOut) != 0;
  return CreateFontIndirectA(&font);
}
