#include "pages/MsdosOptions.h"

#include <windows.h>

#include <algorithm>
#include <cstdlib>

const TMsdosOption kMsdosOptions[14] = {
    {"BootKeys", "1"}, {"BootMenu", "0"},        {"BootDelay", "2"}, {"BootGUI", "1"},  {"Network", "1"},
    {"BootMulti", "0"}, {"BootMenuDelay", "30"}, {"BootMenuDefault", "1"}, {"Logo", "1"}, {"AutoScan", "1"},
    {"DblSpace", "1"},  {"DrvSpace", "1"},       {"LoadTop", "1"},  {"DoubleBuffer", "0"},
};

namespace {

std::string UpperCase(std::string text) {
  CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

// The key must start the line and be followed directly by "=".
std::optional<size_t> KeyLine(const TMsdosLines& lines, const std::string& upperKey) {
  for (size_t i = 0; i < lines.upper.size(); ++i) {
    const std::string& line = lines.upper[i];
    if (line.size() > upperKey.size() && line.compare(0, upperKey.size(), upperKey) == 0 &&
        line[upperKey.size()] == '=')
      return i;
  }
  return std::nullopt;
}

// The header starts its line (blanks aside): a comment that mentions it,
// "; siehe [Options] unten", is no header.
bool IsOptionsHeader(const std::string& upperLine) {
  const size_t start = upperLine.find_first_not_of(" \t");
  return start != std::string::npos && upperLine.compare(start, 9, "[OPTIONS]") == 0;
}

std::optional<size_t> OptionsHeader(const TMsdosLines& lines) {
  for (size_t i = 0; i < lines.upper.size(); ++i)
    if (IsOptionsHeader(lines.upper[i])) return i;
  return std::nullopt;
}

// A new key line goes directly below the header, or with a header at the end.
void AddKeyLine(TMsdosLines& lines, const std::string& key, const std::string& value) {
  const std::string upperLine = UpperCase(key) + "=" + value, memoLine = key + "=" + value;
  if (auto header = OptionsHeader(lines)) {
    lines.upper.insert(lines.upper.begin() + *header + 1, upperLine);
    lines.memo.insert(lines.memo.begin() + *header + 1, memoLine);
    return;
  }
  lines.upper.insert(lines.upper.end(), {"[OPTIONS]", upperLine});
  lines.memo.insert(lines.memo.end(), {"[Options]", memoLine});
}

// The whole number a text starts with, as the page's conversions read it.
std::optional<long> WholeNumber(const std::string& text) {
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  long number = std::strtol(text.c_str(), &end, 10);
  if (end == text.c_str() || *end != '\0') return std::nullopt;
  return number;
}

}  // namespace

void RebuildMsdosUpperLines(TMsdosLines& lines) {
  lines.upper.clear();
  for (const std::string& line : lines.memo) lines.upper.push_back(UpperCase(line));
}

std::string ReadMsdosOption(TMsdosLines& lines, const std::string& key) {
  const std::string upperKey = UpperCase(key);
  if (auto index = KeyLine(lines, upperKey)) {
    std::string value = lines.upper[*index].substr(upperKey.size() + 1);
    value.erase(std::remove(value.begin(), value.end(), ' '), value.end());
    return value;
  }
  AddKeyLine(lines, key, "");
  return "";
}

bool WriteMsdosOption(TMsdosLines& lines, const std::string& key, const std::string& value) {
  const std::string upperKey = UpperCase(key);
  if (auto index = KeyLine(lines, upperKey)) {
    const std::string line = key + "=" + value;
    if (lines.memo[*index] == line) return false;
    lines.upper[*index] = upperKey + "=" + value;
    lines.memo[*index] = line;
    return true;
  }
  AddKeyLine(lines, key, value);
  return true;
}

std::optional<int> DelaySeconds(const std::string& value, int maximum) {
  auto number = WholeNumber(value);
  if (!number) return std::nullopt;
  return static_cast<int>(std::clamp<long>(*number, 0, maximum));
}

int BootMenuDefaultItem(const std::string& value) {
  auto number = WholeNumber(value);
  if (!number) return 0;
  return static_cast<int>(std::clamp<long>(*number, 1, 8)) - 1;
}

int AutoScanItem(const std::string& value) {
  auto number = WholeNumber(value);
  if (!number || *number < 0) return 1;
  return static_cast<int>(std::min<long>(*number, 2));
}
