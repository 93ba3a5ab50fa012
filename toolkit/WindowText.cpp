#include "toolkit/WindowText.h"

// Straight into the string: the text of a memo can be megabytes.
std::string WindowText(HWND window) {
  std::string text(GetWindowTextLengthA(window), '\0');
  text.resize(GetWindowTextA(window, text.data(), static_cast<int>(text.size() + 1)));
  return text;
}

// Class names are at most 256 characters long.
std::string WindowClassName(HWND window) {
  char name[257] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}
