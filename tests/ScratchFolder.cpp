#include "tests/ScratchFolder.h"

#include <windows.h>

#include <fstream>
#include <iterator>
#include <sstream>

#include "support/AnsiText.h"
#include "support/WideText.h"

namespace {

// Wide functions: a name with no ANSI form is found and removed too.
void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      std::wstring path = folder + L"\\" + name;
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(path);
      else
        DeleteFileW(path.c_str());
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder.c_str());
}

void RemoveTree(const std::string& folder) { RemoveTree(WideFromAnsi(folder)); }

}  // namespace

TScratchFolder::TScratchFolder(const std::string& name) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  std::string base = std::string(temp) + "velmora-tests";
  CreateDirectoryA(base.c_str(), nullptr);
  path_ = base + "\\" + name;
  RemoveTree(path_);
  CreateDirectoryA(path_.c_str(), nullptr);
}

TScratchFolder::~TScratchFolder() { RemoveTree(path_); }

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}
