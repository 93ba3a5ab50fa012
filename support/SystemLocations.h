#pragma once
// Where Windows keeps its start-up files. Every call asks the system afresh.

#include <string>

// The Windows folder as the system gives it: no final backslash (unless it
// is a drive root).
std::string GetWinDir();
// The root of the boot drive with exactly one final backslash; "C:\" when
// the registry does not say.
std::string GetBootDir();
// The start-up folder of the current user, as the registry stores it.
std::string GetUserStartupDir();
// The start-up folder of all users.
std::string GetCommonStartupDir();
