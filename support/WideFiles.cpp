#include "support/WideFiles.h"

#include <windows.h>

#include "support/Tools.h"
#include "support/WideText.h"

std::vector<std::wstring> FileNamesIn(const std::wstring& folder, const std::wstring& pattern) {
  std::vector<std::wstring> names;
  if (!IsWinNT) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(AnsiFromWide(folder + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(WideFromAnsi(found.cFileName));
    while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
  }
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + pattern).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
  while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

bool PathExists(const std::wstring& path) {
  const DWORD attributes =
      IsWinNT ? GetFileAttributesW(path.c_str()) : GetFileAttributesA(AnsiFromWide(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES;
}

bool DeletePath(const std::wstring& path) {
  return IsWinNT ? DeleteFileW(path.c_str()) : DeleteFileA(AnsiFromWide(path).c_str());
}

bool MovePath(const std::wstring& from, const std::wstring& to) {
  if (IsWinNT) return MoveFileW(from.c_str(), to.c_str());
  return MoveFileA(AnsiFromWide(from).c_str(), AnsiFromWide(to).c_str());
}

bool MakeFolder(const std::wstring& folder) {
  if (IsWinNT ? CreateDirectoryW(folder.c_str(), nullptr) : CreateDirectoryA(AnsiFromWide(folder).c_str(), nullptr))
    return true;
  return GetLastError() == ERROR_ALREADY_EXISTS;
}

void RemoveFolderIfEmpty(const std::wstring& folder) {
  if (IsWinNT) RemoveDirectoryW(folder.c_str());
  else RemoveDirectoryA(AnsiFromWide(folder).c_str());
}
