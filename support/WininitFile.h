#pragma once
// The [rename] section of WININIT.INI, which Windows 95, 98 and Me work
// through at their next start: "destination=source" replaces destination by
// source, and a destination "NUL" deletes source.

#include <string>
#include <vector>

// Adds the entry at the end of the [rename] section (found without regard
// to case), before the blank lines that part it from the next section; adds
// the section at the end when there is none.
void AddRenameEntry(std::vector<std::string>& lines, const std::string& entry);

// The name form WININIT.INI takes: the folder in its short (8.3) form with
// a final backslash, then the file name, all in German upper case. "NUL"
// stays "NUL".
std::string WininitName(const std::string& path);

// Arranges that at the next start of Windows source replaces destination
// (a destination "NUL" deletes source): on the NT family by a delayed move,
// on Windows 9x by an entry in WININIT.INI of the Windows folder, written
// completely beside it and then put in its place. Returns an error text when
// WININIT.INI cannot be read or written, or holds a NUL byte (it is then left
// as it is), else empty.
std::string ReplaceAtReboot(const std::string& source, const std::string& destination);
