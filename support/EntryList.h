#pragma once
// The list of start-up entries that "/liste" writes and "/vergleich" reads
// back: UTF-8 with a byte order mark, one CSV row per entry, fields exactly
// as the entry has them.

#include <string>
#include <string_view>
#include <vector>

// One entry, every field UTF-8.
struct TListedEntry {
  std::string place;        // Ort
  std::string name;         // Name
  std::string command;      // Befehl
  std::string status;       // Status: kStatusOn and its two siblings
  std::string programFile;  // Programmdatei
  std::string present;      // Vorhanden: kPresent or kMissing

  bool operator==(const TListedEntry&) const = default;
};

namespace EntryListTexts {
inline constexpr const char* kStatusOn = "ein";
inline constexpr const char* kStatusOffByVelmora = "aus (Velmora)";
inline constexpr const char* kStatusOffByWindows = "aus (Windows)";
inline constexpr const char* kPresent = "ja";
inline constexpr const char* kMissing = "nein";
}  // namespace EntryListTexts

// A spreadsheet runs a field that begins with '=', '+', '-', '@', TAB or CR
// as a formula. Such a field, and one that begins with an apostrophe, is
// written with one apostrophe in front, which spreadsheets show as text;
// reading takes one leading apostrophe away, so every field reads back exactly.
std::string GuardedField(const std::string& field);
std::string UnguardedField(const std::string& field);

// The whole file: byte order mark, the header row, one row per entry.
std::string EntryListText(const std::vector<TListedEntry>& entries);

// The entries of a file that EntryListText wrote; false when the bytes are
// not such a list (no byte order mark, another header, a row with another
// number of fields, broken quoting).
bool ReadEntryList(std::string_view bytes, std::vector<TListedEntry>& entries);

// The header row and an entry's row, each with its CR LF; the file of
// changes puts a column in front of both.
std::string EntryListHeader();
std::string EntryListLine(const TListedEntry& entry);

inline constexpr const char* kUtf8ByteOrderMark = "\xEF\xBB\xBF";
