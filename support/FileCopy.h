#pragma once
#include <windows.h>

#include <string>
#include <vector>

// Copies every source to the destination at the same index in one shell
// operation: existing files are overwritten and missing folders created
// without a question, with a simple progress display headed by title.
// False for an empty list and whenever the shell reports an error.
bool CopyFilesPaired(HWND owner, const std::vector<std::string>& sources, const std::vector<std::string>& destinations,
                     const std::string& title);
