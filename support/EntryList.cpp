#include "support/EntryList.h"

#include "support/CsvText.h"

namespace {

constexpr size_t kFieldCount = 6;

bool StartsFormula(char c) { return c == '=' || c == '+' || c == '-' || c == '@' || c == '\t' || c == '\r'; }

TCsvRow HeaderRow() { return {"Ort", "Name", "Befehl", "Status", "Programmdatei", "Vorhanden"}; }

TCsvRow RowOf(const TListedEntry& entry) {
  return {GuardedField(entry.place),  GuardedField(entry.name),        GuardedField(entry.command),
          GuardedField(entry.status), GuardedField(entry.programFile), GuardedField(entry.present)};
}

TListedEntry EntryOf(const TCsvRow& row) {
  return {UnguardedField(row[0]), UnguardedField(row[1]), UnguardedField(row[2]),
          UnguardedField(row[3]), UnguardedField(row[4]), UnguardedField(row[5])};
}

}  // namespace

std::string GuardedField(const std::string& field) {
  if (field.empty() || !(StartsFormula(field[0]) || field[0] == '\'')) return field;
  return '\'' + field;
}

std::string UnguardedField(const std::string& field) {
  return !field.empty() && field[0] == '\'' ? field.substr(1) : field;
}

std::string EntryListHeader() { return CsvLine(HeaderRow()); }

std::string EntryListLine(const TListedEntry& entry) { return CsvLine(RowOf(entry)); }

std::string EntryListText(const std::vector<TListedEntry>& entries) {
  std::string text(kUtf8ByteOrderMark);
  text += EntryListHeader();
  for (const TListedEntry& entry : entries) text += EntryListLine(entry);
  return text;
}

bool ReadEntryList(std::string_view bytes, std::vector<TListedEntry>& entries) {
  entries.clear();
  if (!bytes.starts_with(kUtf8ByteOrderMark)) return false;
  std::vector<TCsvRow> rows;
  if (!ParseCsv(bytes.substr(std::string_view(kUtf8ByteOrderMark).size()), rows) || rows.empty() || rows[0] != HeaderRow()) return false;
  entries.reserve(rows.size() - 1);
  for (size_t i = 1; i < rows.size(); ++i) {
    if (rows[i].size() != kFieldCount) return false;
    entries.push_back(EntryOf(rows[i]));
  }
  return true;
}
