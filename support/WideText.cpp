#include "support/WideText.h"

#include <windows.h>

std::wstring WideFromAnsi(const std::string& text) {
  if (text.empty()) return L"";
  const int size = static_cast<int>(text.size());
  std::wstring wide(MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
  return wide;
}

namespace {

std::string ConvertToAnsi(const std::wstring& text, BOOL* lost) {
  if (text.empty()) return "";
  const int size = static_cast<int>(text.size());
  std::string ansi(WideCharToMultiByte(CP_ACP, 0, text.data(), size, nullptr, 0, nullptr, nullptr), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), size, ansi.data(), static_cast<int>(ansi.size()), nullptr, lost);
  return ansi;
}

}  // namespace

std::string AnsiFromWide(const std::wstring& text) { return ConvertToAnsi(text, nullptr); }

bool HasAnsiForm(const std::wstring& text) {
  BOOL lost = FALSE;
  const std::string ansi = ConvertToAnsi(text, &lost);
  // A best-fit letter ("ł" as "l") would name another file: only an exact
  // round trip counts.
  return !lost && WideFromAnsi(ansi) == text;
}

std::string Utf8FromWide(const std::wstring& text) {
  if (text.empty()) return "";
  const int size = static_cast<int>(text.size());
  std::string utf8(WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
  return utf8;
}

std::wstring WideFromUtf8(const std::string& text) {
  if (text.empty()) return L"";
  const int size = static_cast<int>(text.size());
  std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
  return wide;
}
