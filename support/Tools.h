#pragma once
// Small helpers shared by the pages.

#include <string>

// True on the NT family (NT, 2000, XP, Vista and later), false on 95, 98 and
// Me. Decided once when the program starts.
extern const bool IsWinNT;

// Removes blanks and control characters (codes up to 32) at both ends.
std::string Trim(const std::string& text);

// True when the file or folder exists.
bool FileExists(const std::string& path);
