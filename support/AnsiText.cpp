#include "support/AnsiText.h"

#include <windows.h>

std::wstring Widen(const std::string& ansi) {
  if (ansi.empty()) return {};
  const int size = static_cast<int>(ansi.size());
  std::wstring wide(MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, wide.data(), static_cast<int>(wide.size()));
  return wide;
}

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
  if (Widen(ansi) != wide) return std::nullopt;
  return ansi;
}
