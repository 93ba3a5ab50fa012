#include "registry/ProgramFile.h"

#include <windows.h>

#include "support/Tools.h"

namespace {

constexpr DWORD kExpansionBuffer = 260;
constexpr DWORD kSearchBuffer = 1023;

std::string ExpandEnvironment(const std::string& text) {
  char expanded[kExpansionBuffer + 1] = {};
  DWORD needed = ExpandEnvironmentStringsA(text.c_str(), expanded, kExpansionBuffer);
  // 0 is a failure; more than the buffer holds leaves an undefined buffer.
  if (needed == 0 || needed > kExpansionBuffer) return text;
  return expanded;
}

}  // namespace

std::string ProgramFileOf(const std::string& line) {
  if (!line.empty() && line[0] == '"') {
    size_t closing = line.find('"', 1);
    if (closing != std::string::npos) return line.substr(1, closing - 1);
  }
  size_t lastBlank = line.find_last_of(" \t");
  return lastBlank == std::string::npos ? line : line.substr(0, lastBlank);
}

std::string ExtractProgramFile(const std::string& commandLine) {
  if (Trim(commandLine).empty()) return "";
  return ProgramFileOf(ExpandEnvironment(commandLine));
}

bool ProgramFileExists(const std::string& fileName) {
  char found[kSearchBuffer + 1] = {};
  char* filePart = nullptr;
  return SearchPathA(nullptr, fileName.c_str(), nullptr, kSearchBuffer, found, &filePart) != 0;
}
