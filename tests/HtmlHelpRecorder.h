#pragma once
// Puts a recorder in the place of the HTML Help entry point while it lives,
// so that tests see every call the help object makes and no window opens.

#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

struct THtmlHelpCall {
  HWND caller = nullptr;
  std::string file;  // "<none>" for no file
  UINT command = 0;
  DWORD_PTR data = 0;
  bool operator==(const THtmlHelpCall&) const = default;
};
std::ostream& operator<<(std::ostream& out, const THtmlHelpCall& call);

// The popup record of the last HH_DISPLAY_TEXT_POPUP call.
struct TRecordedPopup {
  UINT size = 0;
  UINT stringNumber = 0;
  POINT position = {};
  COLORREF foreground = 0, background = 0;
  RECT margins = {};
  std::string font;
  bool hasText = false;
};

// Make it after the help object, so that the help object frees the real
// library only after the recorder has put it back.
class THtmlHelpRecorder {
 public:
  // available false: as if the HTML Help library were missing.
  explicit THtmlHelpRecorder(bool available = true);
  ~THtmlHelpRecorder();
  THtmlHelpRecorder(const THtmlHelpRecorder&) = delete;
  THtmlHelpRecorder& operator=(const THtmlHelpRecorder&) = delete;

  // From now on HTML Help opens no window, as when it refuses a file.
  void RefuseEverything();

  const std::vector<THtmlHelpCall>& Calls() const;
  const TRecordedPopup& LastPopup() const;
  void Clear();
};
