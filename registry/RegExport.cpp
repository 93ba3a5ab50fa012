#include "registry/RegExport.h"

#include <cstdio>

namespace {

constexpr char kLineEnd[] = "\r\n";

bool HasLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

// "hex(1):41,42,00" (REG_SZ) or "hex(2):..." (REG_EXPAND_SZ): the value's
// ANSI bytes and the terminating zero.
std::string TextHexData(const std::string& value, bool expandable) {
  return HexData(expandable ? REG_EXPAND_SZ : REG_SZ, value + '\0');
}

std::string Quoted(const std::string& text) {
  std::string quoted(1, '"');
  quoted += EscapeRegString(text);
  quoted += '"';
  return quoted;
}

std::string ValueLine(const TRegExportRow& row) {
  std::string line = Quoted(row.name) + "=";
  if (!row.data.empty()) return line + row.data;
  if (row.expandable || HasLineBreak(row.value)) return line + TextHexData(row.value, row.expandable);
  return line + Quoted(row.value);
}

void AppendKey(std::string& text, const TRegExportKey& key) {
  text += "[" + key.path + "]" + kLineEnd;
  for (const TRegExportRow& row : key.rows) text += ValueLine(row) + kLineEnd;
  text += kLineEnd;
}

}  // namespace

std::string DwordData(DWORD value) {
  char data[16];
  std::snprintf(data, sizeof data, "dword:%08lx", static_cast<unsigned long>(value));
  return data;
}

std::string HexData(DWORD type, const std::string& bytes) {
  char part[16];
  if (type == REG_BINARY)
    part[0] = '\0';
  else
    std::snprintf(part, sizeof part, "(%lx)", static_cast<unsigned long>(type));
  std::string data = std::string("hex") + part + ":";
  for (size_t i = 0; i < bytes.size(); ++i) {
    std::snprintf(part, sizeof part, i ? ",%02x" : "%02x", static_cast<unsigned char>(bytes[i]));
    data += part;
  }
  return data;
}

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
  return RegExportText({{keyPath, rows}}, comment);
}

std::string RegExportText(const std::vector<TRegExportKey>& keys, const std::string& comment) {
  std::string text = std::string("REGEDIT4") + kLineEnd + kLineEnd;
  if (!comment.empty()) text += "; " + comment + kLineEnd;
  for (const TRegExportKey& key : keys) AppendKey(text, key);
  return text;
}
