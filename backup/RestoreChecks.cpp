#include "backup/RestoreChecks.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace {

bool IsFullyQualified(const std::string& path) {
  const bool drive = path.size() >= 3 && path[1] == ':' && path[2] == '\\';
  return drive || path.rfind("\\\\", 0) == 0;
}

// Where the root ends: after "C:\" or after "\\server\share\".
size_t RootLength(const std::string& fullPath) {
  if (fullPath.rfind("\\\\", 0) != 0) return 3;
  size_t share = fullPath.find('\\', 2);
  if (share == std::string::npos) return fullPath.size();
  size_t end = fullPath.find('\\', share + 1);
  return end == std::string::npos ? fullPath.size() : end + 1;
}

std::vector<std::string> SplitParts(const std::string& path) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = std::min(path.find('\\', start), path.size());
    parts.push_back(path.substr(start, end - start));
    start = end + 1;
  }
  return parts;
}

// The file system ignores trailing dots and blanks of every name.
std::string WithoutTrailingDotsAndBlanks(std::string name) {
  while (!name.empty() && (name.back() == '.' || name.back() == ' ')) name.pop_back();
  return name;
}

// The name the folder entry carries in full: a short (8.3) alias gives its
// long name. A name that is not there stays as given.
std::string LongName(const std::string& folder, const std::string& name) {
  if (name.empty()) return name;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + name).c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return name;
  FindClose(search);
  return found.cFileName;
}

std::string UpperCase(std::string text) {
  if (!text.empty()) CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

// The path as the file system reads it, in one spelling; empty when it
// cannot name a file safely.
std::string ComparablePath(std::string path) {
  if (path.size() >= MAX_PATH || path.find_first_of("*?\"<>|") != std::string::npos) return "";
  std::replace(path.begin(), path.end(), '/', '\\');
  if (!IsFullyQualified(path)) return "";
  char full[MAX_PATH];
  const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
  if (length == 0 || length >= MAX_PATH) return "";
  const std::string fullPath(full, length);
  const size_t rootLength = RootLength(fullPath);
  std::string result = fullPath.substr(0, rootLength);
  const std::vector<std::string> parts = SplitParts(fullPath.substr(rootLength));
  for (size_t i = 0; i < parts.size(); ++i) {
    if (i > 0) result += '\\';
    result += LongName(result, WithoutTrailingDotsAndBlanks(parts[i]));
  }
  return UpperCase(result);
}

}  // namespace

bool IsHomeFile(const std::string& destination, const std::string& homePath) {
  const std::string comparable = ComparablePath(destination);
  return !comparable.empty() && comparable == ComparablePath(homePath);
}

bool IsReachableFile(const std::string& path) {
  if (path.size() >= MAX_PATH) return false;
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsInUse(const std::string& path) {
  // No FILE_SHARE_DELETE: Windows 9x refuses the whole call for it.
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    CloseHandle(file);
    return false;
  }
  const DWORD error = GetLastError();
  return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}
