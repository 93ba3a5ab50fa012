#include "toolkit/WindowText.h"

#include <vector>

std::string WindowText(HWND window) {
  std::vector<char> buffer(GetWindowTextLengthA(window) + 1);
  int length = GetWindowTextA(window, buffer.data(), static_cast<int>(buffer.size()));
  return std::string(buffer.data(), length);
}

// Class names are at most 256 characters long.
std::string WindowClassName(HWND window) {
  char name[257] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}
