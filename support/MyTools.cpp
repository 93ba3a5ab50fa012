#include "support/MyTools.h"

#include <windows.h>

const TMyTools MyTools;

long long TMyTools::FileSizeOf(const std::string& path) const {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(path.c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return -1;
  FindClose(search);
  if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return -1;
  return found.nFileSizeLow;
}

std::string TMyTools::RepeatText(const std::string& text, int n) const {
  std::string result;
  while (n >= static_cast<int>(result.size())) result += text;
  return result;
}

std::string TMyTools::UpperCaseGerman(const std::string& text) const {
  std::string upper = text;
  for (char& c : upper) {
    unsigned char u = static_cast<unsigned char>(c);
    if ((u >= 'a' && u <= 'z') || u == 0xE4 || u == 0xF6 || u == 0xFC) c = static_cast<char>(u - 32);
  }
  return upper;
}
