#pragma once
// The copy "<name>.VLM" that a page makes of a text file before overwriting it.

#include <string>

// The file name with its extension (from the last dot of the file name)
// replaced by ".VLM"; a name without a dot gets ".VLM" appended.
std::string BackupCopyName(const std::string& fileName);

// Copies an existing file to its backup copy: first completely beside it,
// then into the copy's place, so that a copy that fails half-way leaves the
// earlier copy whole. An existing copy keeps its own attributes (a read-only
// copy is replaced and is read-only again); a new copy gets the file's.
// True when the copy is made or there is no file to copy (none, or a folder).
bool CopyToBackup(const std::string& fileName);

// "Die Sicherungskopie ... konnte nicht erstellt werden. ..." and the
// question whether to save without it.
std::string BackupCopyFailedQuestion(const std::string& fileName);
