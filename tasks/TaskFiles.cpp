#include "tasks/TaskFiles.h"

#include <windows.h>

#include "support/NativeSystemFolder.h"
#include "support/WholeFile.h"
#include "toolkit/SystemFunction.h"

namespace {

bool IsOwnOrParent(const wchar_t* name) {
  return name[0] == L'.' && (name[1] == L'\0' || (name[1] == L'.' && name[2] == L'\0'));
}

// inFolder: the scheduler's path of the folder ("" for the root).
void ReadFilesUnder(const std::wstring& folder, const std::wstring& inFolder, std::vector<TTaskFile>& files) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  std::vector<std::wstring> subFolders;
  do {
    if (IsOwnOrParent(found.cFileName)) continue;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      subFolders.push_back(found.cFileName);
      continue;
    }
    TTaskFile file;
    file.path = inFolder + L"\\" + found.cFileName;
    file.read = ReadWholeFile(folder + L"\\" + found.cFileName, file.bytes);
    files.push_back(std::move(file));
  } while (FindNextFileW(search, &found));
  FindClose(search);
  for (const std::wstring& name : subFolders) ReadFilesUnder(folder + L"\\" + name, inFolder + L"\\" + name, files);
}

}  // namespace

std::wstring TasksFolder() {
  // Looked up: the 9x family's kernel lacks it, and has no such folder.
  static const auto systemFolder =
      SystemFunction<decltype(&GetSystemDirectoryW)>("kernel32.dll", "GetSystemDirectoryW");
  wchar_t folder[MAX_PATH] = {};
  const UINT length = systemFolder ? systemFolder(folder, MAX_PATH) : 0;
  if (length == 0 || length >= MAX_PATH) return L"";
  return std::wstring(folder) + L"\\Tasks";
}

std::optional<std::vector<TTaskFile>> ReadTaskFiles(const std::wstring& folder) {
  const TNativeSystemFolder native;
  const DWORD attributes = GetFileAttributesW(folder.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) return std::nullopt;
  std::vector<TTaskFile> files;
  ReadFilesUnder(folder, L"", files);
  return files;
}
