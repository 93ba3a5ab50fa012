#pragma once
// A multi-line edit. OnChange follows every change of its text: typed, or
// set by code (Windows tells a multi-line edit's parent of neither).

#include <functional>
#include <string>
#include <vector>

#include "toolkit/Control.h"

// A text split at its line ends (CR LF); a final line end gives no extra
// empty line.
inline std::vector<std::string> SplitCrLfLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

class TMemo : public TControl {
 public:
  TMemo(TDialog& owner, int id) : TControl(owner, id) {
    // Far more than the 32 KB an edit holds by default: a whole
    // System.ini of several megabytes.
    SendMessageA(Handle(), EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
  }

  std::function<void()> OnChange;

  // False when the memo holds less than the text: the multi-line edit of
  // Windows 95, 98 and ME keeps 64 KB at most and refuses or cuts a longer one.
  bool SetText(const std::string& text) {
    // Reading megabytes back costs nearly as much as setting them: a text of
    // another length is set without; the same text is not set again at all.
    const size_t length = LengthOf(text);
    if (Length() == length && text == Text()) return true;
    TControl::SetText(text);
    if (OnChange) OnChange();
    return Length() >= length;
  }
  std::vector<std::string> Lines() const { return SplitCrLfLines(Text()); }
  bool ReadOnly() const { return (GetWindowLongA(Handle(), GWL_STYLE) & ES_READONLY) != 0; }
  void SetReadOnly(bool readOnly) { SendMessageA(Handle(), EM_SETREADONLY, readOnly, 0); }

  void Command(WORD code) override {
    if (code == EN_CHANGE && OnChange) OnChange();
  }

 private:
  // Lengths in characters where the edit keeps its text so (the NT family):
  // asked for in bytes, Wine converts the memo's whole text to count them.
  bool CountsCharacters() const { return IsWindowUnicode(Handle()) != FALSE; }
  size_t Length() const {
    return static_cast<size_t>(CountsCharacters() ? SendMessageW(Handle(), WM_GETTEXTLENGTH, 0, 0)
                                                  : GetWindowTextLengthA(Handle()));
  }
  size_t LengthOf(const std::string& text) const {
    if (!CountsCharacters()) return text.size();
    return static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0));
  }
};
