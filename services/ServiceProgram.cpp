#include "services/ServiceProgram.h"

#include <windows.h>

#include <vector>

#include "toolkit/SystemFunction.h"

namespace {

constexpr char kVersionDll[] = "version.dll";

constexpr char kKernel[] = "kernel32.dll";

std::wstring Upper(std::wstring text) {
  CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

bool StartsWith(const std::wstring& text, const std::wstring& start) {
  return text.size() >= start.size() && Upper(text.substr(0, start.size())) == Upper(start);
}

// Looked up: the 9x family's kernel has neither, and only the NT family has services.
std::wstring Expanded(const std::wstring& text) {
  static const auto expand =
      SystemFunction<decltype(&ExpandEnvironmentStringsW)>(kKernel, "ExpandEnvironmentStringsW");
  const DWORD size = expand ? expand(text.c_str(), nullptr, 0) : 0;
  if (size == 0) return text;
  std::wstring expanded(size, L'\0');
  expand(text.c_str(), expanded.data(), size);
  expanded.resize(size - 1);
  return expanded;
}

std::wstring WindowsFolder() {
  static const auto folderOf = SystemFunction<decltype(&GetWindowsDirectoryW)>(kKernel, "GetWindowsDirectoryW");
  wchar_t folder[MAX_PATH] = {};
  if (folderOf) folderOf(folder, MAX_PATH);
  return folder;
}

// As the service manager reads the path before it starts the program.
std::wstring Rooted(std::wstring path) {
  if (StartsWith(path, L"\\??\\")) path.erase(0, 4);
  if (StartsWith(path, L"\\SystemRoot\\")) return WindowsFolder() + path.substr(11);
  const bool relative = path.size() < 2 || (path[1] != L':' && path[0] != L'\\' && path[0] != L'%');
  return relative ? WindowsFolder() + L"\\" + path : path;
}

bool IsFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// An unquoted path may hold blanks: the longest part before a blank that is
// a file, else the part up to ".exe", else everything.
std::wstring UnquotedProgram(const std::wstring& line) {
  for (size_t end = line.size();;) {
    if (IsFile(line.substr(0, end))) return line.substr(0, end);
    if (end == 0 || (end = line.rfind(L' ', end - 1)) == std::wstring::npos) break;
  }
  const size_t exe = Upper(line).find(L".EXE");
  return exe == std::wstring::npos ? line : line.substr(0, exe + 4);
}

std::wstring Hex4(WORD value) {
  std::wstring digits(4, L'0');
  for (int i = 3; i >= 0; --i, value >>= 4) digits[i] = L"0123456789abcdef"[value & 0xF];
  return digits;
}

}  // namespace

std::wstring ServiceProgramFile(const std::wstring& imagePath) {
  if (!imagePath.empty() && imagePath[0] == L'"') {
    const size_t end = imagePath.find(L'"', 1);
    return Expanded(Rooted(imagePath.substr(1, end == std::wstring::npos ? std::wstring::npos : end - 1)));
  }
  return UnquotedProgram(Expanded(Rooted(imagePath)));
}

std::wstring CompanyOf(const std::wstring& file) {
  static const auto size = SystemFunction<decltype(&GetFileVersionInfoSizeW)>(kVersionDll, "GetFileVersionInfoSizeW");
  static const auto read = SystemFunction<decltype(&GetFileVersionInfoW)>(kVersionDll, "GetFileVersionInfoW");
  static const auto query = SystemFunction<decltype(&VerQueryValueW)>(kVersionDll, "VerQueryValueW");
  if (!size || !read || !query) return L"";
  DWORD handle = 0;
  const DWORD bytes = size(file.c_str(), &handle);
  if (bytes == 0) return L"";
  std::vector<BYTE> info(bytes);
  if (!read(file.c_str(), 0, bytes, info.data())) return L"";
  WORD* language = nullptr;
  UINT length = 0;
  if (!query(info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&language), &length) ||
      length < 2 * sizeof(WORD))
    return L"";
  const std::wstring path = L"\\StringFileInfo\\" + Hex4(language[0]) + Hex4(language[1]) + L"\\CompanyName";
  wchar_t* company = nullptr;
  if (!query(info.data(), path.c_str(), reinterpret_cast<void**>(&company), &length) || length == 0) return L"";
  return company;
}

bool BelongsToWindows(const std::wstring& programFile, const std::wstring& company) {
  return StartsWith(programFile, WindowsFolder() + L"\\") && StartsWith(company, L"Microsoft");
}
