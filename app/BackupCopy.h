#pragma once
// The copy "<name>.VLM" that a page makes of a text file before overwriting it.

#include <string>

// The file name with its extension (from the last dot of the file name)
// replaced by ".VLM"; a name without a dot gets ".VLM" appended.
std::string BackupCopyName(const std::string& fileName);

// Copies an existing file to its backup copy. An existing copy keeps its own
// attributes (a read-only copy is overwritten and is read-only again);
// a new copy gets the file's. Every failure is silent.
void CopyToBackup(const std::string& fileName);
