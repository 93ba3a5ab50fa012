#pragma once
// Entries switched off without being lost. Windows starts the values of a
// Run-type key but not what its sub-keys hold, and the shortcuts of a
// start-up folder but not those of its sub-folders. So a switched-off entry
// waits, unchanged, in a sub-key or sub-folder of the place it came from,
// where the user (and Velmora) finds it again, and moves back from there.

#include <windows.h>

#include <string>

// The name of the sub-key and of the sub-folder where entries wait.
inline constexpr char kSwitchedOffName[] = "Velmora-deaktiviert";

// Switching an entry on or off where one of its name already is.
std::string ReplaceQuestion(const std::string& name);

// The sub-key of runKey (a path below root) that holds its switched-off values.
std::string SwitchedOffKey(const std::string& runKey);
// The sub-folder of folder (with or without a final backslash) that holds its
// switched-off shortcuts, with a final backslash.
std::string SwitchedOffFolder(const std::string& folder);

// Makes the sub-key of runKey exist, below runKey as it is: a missing runKey
// is not made. The Win32 error code of the failure, if any. view is the
// registry view of runKey (0, KEY_WOW64_32KEY or KEY_WOW64_64KEY).
LONG CreateSwitchedOffKey(HKEY root, const std::string& runKey, REGSAM view);
// Removes the sub-key of runKey when it holds nothing any more.
void RemoveSwitchedOffKeyIfEmpty(HKEY root, const std::string& runKey, REGSAM view);
