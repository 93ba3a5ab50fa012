#include "support/AnsiText.h"
#include "support/WideText.h"

#include <windows.h>

std::string AnsiForm(const std::wstring& wide) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  // No best fit: "?" tells the reader that a character is missing.
  const DWORD flags = WC_NO_BEST_FIT_CHARS;
  std::string ansi(WideCharToMultiByte(CP_ACP, flags, wide.data(), size, nullptr, 0, nullptr, nullptr), '\0');
  WideCharToMultiByte(CP_ACP, flags, wide.data(), size, ansi.data(), static_cast<int>(ansi.size()), "?", nullptr);
  return ansi;
}

std::optional<std::string> ExactAnsiForm(const std::wstring& wide) {
  // A round trip tells a replaced character from an exact one.
  std::string ansi = AnsiForm(wide);
  if (WideFromAnsi(ansi) != wide) return std::nullopt;
  return ansi;
}
