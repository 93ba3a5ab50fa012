#pragma once
// Files by names that may have no ANSI form (a shortcut named in another
// script): the NT family reaches them through the wide functions only; the
// 9x family's wide functions fail, and its names all have an ANSI form.

#include <string>
#include <vector>

// The names of the files in folder (with a final backslash) that match
// pattern ("*.lnk"), hidden and system ones included, in the listing's order;
// a folder whose name matches is no file and is left out.
std::vector<std::wstring> FileNamesIn(const std::wstring& folder, const std::wstring& pattern);

bool PathExists(const std::wstring& path);
bool DeletePath(const std::wstring& path);
// Renames within one drive: the file keeps its bytes and attributes.
bool MovePath(const std::wstring& from, const std::wstring& to);
// False when the folder neither exists nor can be made.
bool MakeFolder(const std::wstring& folder);
// Removes the folder when it is empty; one that holds anything stays.
void RemoveFolderIfEmpty(const std::wstring& folder);
