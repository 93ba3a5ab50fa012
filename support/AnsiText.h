#pragma once
// Text between the wide (UTF-16) form the NT family stores and the ANSI code
// page the program works in.

#include <optional>
#include <string>

// The way back to wide text is WideFromAnsi (support/WideText.h).

// The text in the ANSI code page, each character it cannot carry shown as "?".
std::string AnsiForm(const std::wstring& wide);

// The ANSI form when it carries the text exactly; none when a character would
// be lost or replaced.
std::optional<std::string> ExactAnsiForm(const std::wstring& wide);
