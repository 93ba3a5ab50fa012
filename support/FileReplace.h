#pragma once
// Putting a finished file in the place of another, so that a failure at any
// step leaves the old file whole. The NT family replaces in one step; the 9x
// family's MoveFileEx fails (it is a stub there), so there the old file steps
// aside under a third name, the finished one takes its place, and only then
// the old one goes; when the finished one cannot take the place, the old one
// comes back.

#include <string>

// Moves finished (a file of the same folder) to target, replacing the file
// there if any. False when target still holds what it held.
bool ReplaceWithFile(const std::string& finished, const std::string& target);

// The 9x family's way, usable on both families.
bool ReplaceByRenaming(const std::string& finished, const std::string& target);
