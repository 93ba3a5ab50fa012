#include "support/BatchProgramLines.h"

#include <algorithm>
#include <string_view>

#include "support/Tools.h"

namespace {

// What the command interpreter does without starting a program.
constexpr std::string_view kBuiltIn[] = {"REM",   "SET",   "PATH", "PROMPT", "ECHO",  "CLS",   "GOTO",
                                         "SHIFT", "PAUSE", "BREAK", "VERIFY", "IF",  "FOR",   "EXIT",  "CD",
                                         "CHDIR", "MD",    "MKDIR", "RD",     "RMDIR", "DEL", "ERASE", "COPY",
                                         "REN",   "RENAME", "TYPE", "VER",    "VOL",  "DIR",   "CTTY",  "DATE",
                                         "TIME",  "LOCK",  "UNLOCK"};
// Starters whose program is the next word that is not a switch.
constexpr std::string_view kStarters[] = {"LH", "LOADHIGH", "CALL"};

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

template <size_t N>
bool OneOf(const std::string& upper, const std::string_view (&words)[N]) {
  return std::find(std::begin(words), std::end(words), upper) != std::end(words);
}

// The next word from pos on: a quoted one whole, otherwise up to a blank or
// a redirection; pos ends behind it.
std::string_view NextWord(std::string_view line, size_t& pos) {
  while (pos < line.size() && IsBlank(line[pos])) ++pos;
  if (pos < line.size() && line[pos] == '"') {
    const size_t end = line.find('"', pos + 1);
    const size_t stop = end == std::string_view::npos ? line.size() : end + 1;
    std::string_view word = line.substr(pos, stop - pos);
    pos = stop;
    return word;
  }
  const size_t start = pos;
  while (pos < line.size() && !IsBlank(line[pos]) && line[pos] != '<' && line[pos] != '>' && line[pos] != '|') ++pos;
  return line.substr(start, pos - start);
}

// The program a line starts; empty when it starts none.
std::string ProgramOf(std::string_view line) {
  size_t pos = 0;
  while (pos < line.size() && (IsBlank(line[pos]) || line[pos] == '@')) ++pos;
  if (pos >= line.size() || line[pos] == ':') return "";  // a label, or "::" as a remark
  std::string_view word = NextWord(line, pos);
  const std::string upper = AsciiUpper(std::string(word));
  if (OneOf(upper, kStarters)) {
    // LOADHIGH's own switches ("/L:1,2", "/S") come before the program.
    do word = NextWord(line, pos);
    while (word.starts_with("/"));
  } else if (OneOf(upper, kBuiltIn) || upper.starts_with("ECHO.")) return "";
  // "C:" alone changes the drive.
  if (word.size() == 2 && word[1] == ':') return "";
  return std::string(word);
}

}  // namespace

std::vector<TProgramLine> ProgramLinesOf(const std::string& text) {
  std::vector<TProgramLine> lines;
  size_t start = 0;
  for (int number = 1; start < text.size(); ++number) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string_view line(text.data() + start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::string program = ProgramOf(line);
    if (!program.empty()) lines.push_back({number, std::string(line), program});
    start = end + 1;
  }
  return lines;
}
