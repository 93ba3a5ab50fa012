#include "registry/ProgramFile.h"

#include <windows.h>

#include "support/Tools.h"
#include "support/WideText.h"

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

std::wstring ExpandEnvironment(const std::wstring& text) {
  wchar_t expanded[kExpansionBuffer + 1] = {};
  DWORD needed = ExpandEnvironmentStringsW(text.c_str(), expanded, kExpansionBuffer);
  if (needed == 0 || needed > kExpansionBuffer) return text;
  return expanded;
}

}  // namespace

template <class TText>
TText ProgramFileIn(const TText& line) {
  using TChar = typename TText::value_type;
  if (!line.empty() && line[0] == TChar('"')) {
    size_t closing = line.find(TChar('"'), 1);
    if (closing != TText::npos) return line.substr(1, closing - 1);
  }
  const TChar blanks[] = {TChar(' '), TChar('\t'), TChar(0)};
  size_t lastBlank = line.find_last_of(blanks);
  return lastBlank == TText::npos ? line : line.substr(0, lastBlank);
}

std::string ProgramFileOf(const std::string& line) { return ProgramFileIn(line); }

std::string ExtractProgramFile(const std::string& commandLine) {
  if (Trim(commandLine).empty()) return "";
  return ProgramFileOf(ExpandEnvironment(commandLine));
}

bool ProgramFileExists(const std::string& fileName) {
  char found[kSearchBuffer + 1] = {};
  char* filePart = nullptr;
  return SearchPathA(nullptr, fileName.c_str(), nullptr, kSearchBuffer, found, &filePart) != 0;
}

// The 9x family's wide functions fail, and its texts all have an ANSI form.
std::wstring ExtractProgramFile(const std::wstring& commandLine) {
  if (!IsWinNT) return WideFromAnsi(ExtractProgramFile(AnsiFromWide(commandLine)));
  if (Trim(AnsiFromWide(commandLine)).empty()) return L"";
  return ProgramFileIn(ExpandEnvironment(commandLine));
}

bool ProgramFileExists(const std::wstring& fileName) {
  if (!IsWinNT) return ProgramFileExists(AnsiFromWide(fileName));
  wchar_t found[kSearchBuffer + 1] = {};
  wchar_t* filePart = nullptr;
  return SearchPathW(nullptr, fileName.c_str(), nullptr, kSearchBuffer, found, &filePart) != 0;
}
