#include "registry/RegExport.h"

#include <cstdio>

namespace {

constexpr char kLineEnd[] = "\r\n";

bool HasLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

// "hex(1):41,42,00" (REG_SZ) or "hex(2):..." (REG_EXPAND_SZ): the value's
// ANSI bytes and the terminating zero.
std::string HexData(const std::string& value, bool expandable) {
  std::string data = expandable ? "hex(2):" : "hex(1):";
  char byte[4];
  for (unsigned char c : value) {
    std::snprintf(byte, sizeof byte, "%02x,", c);
    data += byte;
  }
  return data + "00";
}

std::string Quoted(const std::string& text) {
  std::string quoted(1, '"');
  quoted += EscapeRegString(text);
  quoted += '"';
  return quoted;
}

std::string ValueLine(const TRegExportRow& row) {
  std::string line = Quoted(row.name) + "=";
  if (row.expandable || HasLineBreak(row.value)) return line + HexData(row.value, row.expandable);
  return line + Quoted(row.value);
}

}  // namespace

// One pass gives what doubling the backslashes and then escaping the quotes
// gives: the backslash put before a quote is never doubled.
std::string EscapeRegString(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    if (c == '\\' || c == '"') escaped += '\\';
    escaped += c;
  }
  return escaped;
}

std::optional<std::string> NameThatCannotBeExported(const std::vector<TRegExportRow>& rows) {
  for (const TRegExportRow& row : rows)
    if (HasLineBreak(row.name)) return row.name;
  return std::nullopt;
}

std::string RegExportText(const std::string& keyPath, const std::vector<TRegExportRow>& rows,
                          const std::string& comment) {
  std::string text = std::string("REGEDIT4") + kLineEnd + kLineEnd;
  if (!comment.empty()) text += "; " + comment + kLineEnd;
  text += "[" + keyPath + "]" + kLineEnd;
  for (const TRegExportRow& row : rows) text += ValueLine(row) + kLineEnd;
  return text + kLineEnd;
}
