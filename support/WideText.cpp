#include "support/WideText.h"

#include <windows.h>

namespace {

// A lost flag is only asked of code pages other than UTF-8, which loses
// nothing and refuses the question.
std::string InCodePage(const std::wstring& text, unsigned codePage, BOOL* lost) {
  if (text.empty()) return "";
  const int size = static_cast<int>(text.size());
  std::string bytes(WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr), '\0');
  WideCharToMultiByte(codePage, 0, text.data(), size, bytes.data(), static_cast<int>(bytes.size()), nullptr, lost);
  return bytes;
}

std::wstring FromCodePage(const std::string& text, unsigned codePage) {
  if (text.empty()) return L"";
  const int size = static_cast<int>(text.size());
  std::wstring wide(MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), static_cast<int>(wide.size()));
  return wide;
}

}  // namespace

std::wstring WideFromAnsi(const std::string& text) { return FromCodePage(text, CP_ACP); }

std::string AnsiFromWide(const std::wstring& text) { return InCodePage(text, CP_ACP, nullptr); }

bool HasAnsiForm(const std::wstring& text) {
  BOOL lost = FALSE;
  const std::string ansi = InCodePage(text, CP_ACP, &lost);
  // A best-fit letter ("ł" as "l") would name another file: only an exact
  // round trip counts.
  return !lost && WideFromAnsi(ansi) == text;
}

std::string Utf8FromWide(const std::wstring& text) { return InCodePage(text, CP_UTF8, nullptr); }

std::wstring WideFromUtf8(const std::string& text) { return FromCodePage(text, CP_UTF8); }

std::string InCodePage(const std::wstring& text, unsigned codePage) { return InCodePage(text, codePage, nullptr); }
