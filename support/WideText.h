#pragma once
// Names between the ANSI code page and UTF-16: a file name may hold
// characters the ANSI functions cannot carry.

#include <string>

std::wstring WideFromAnsi(const std::string& text);
// Characters without an ANSI form become '?'.
std::string AnsiFromWide(const std::wstring& text);
bool HasAnsiForm(const std::wstring& text);

// UTF-8, the form of the lists for administrators, exact for every character.
std::string Utf8FromWide(const std::wstring& text);
std::wstring WideFromUtf8(const std::string& text);
// In any code page Windows knows (the console's, the OEM one).
std::string InCodePage(const std::wstring& text, unsigned codePage);
