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

  void SetText(const std::string& text) {
    // Reading megabytes back costs nearly as much as setting them: a text of
    // another length is set without; the same text is not set again at all.
    if (TextLength() == text.size() && text == Text()) return;
    TControl::SetText(text);
    if (OnChange) OnChange();
  }
  std::vector<std::string> Lines() const { return SplitCrLfLines(Text()); }
  void SetLines(const std::vector<std::string>& lines) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i) text += (i ? "\r\n" : "") + lines[i];
    SetText(text);
  }
  size_t TextLength() const { return static_cast<size_t>(GetWindowTextLengthA(Handle())); }
  bool ReadOnly() const { return (GetWindowLongA(Handle(), GWL_STYLE) & ES_READONLY) != 0; }
  void SetReadOnly(bool readOnly) { SendMessageA(Handle(), EM_SETREADONLY, readOnly, 0); }

  void Command(WORD code) override {
    if (code == EN_CHANGE && OnChange) OnChange();
  }
};
