#pragma once
// The registration file (REGEDIT4) of a list of Run entries, or of values
// of several keys.

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

struct TRegExportRow {
  TRegExportRow(std::string rowName, std::string text, bool expandableText = false)
      : name(std::move(rowName)), value(std::move(text)), expandable(expandableText) {}
  // A row written with the data given.
  static TRegExportRow OfData(std::string rowName, std::string rowData) {
    TRegExportRow row(std::move(rowName), "");
    row.data = std::move(rowData);
    return row;
  }

  std::string name;
  std::string value;
  bool expandable = false;  // REG_EXPAND_SZ: exported with that type
  // The data as written ("dword:...", "hex(7):..."), for a value that is no
  // single text; value is then unused.
  std::string data;
};

struct TRegExportKey {
  std::string path;
  std::vector<TRegExportRow> rows;
};

// "dword:0000002a".
std::string DwordData(DWORD value);
// "hex(7):61,00,00" for REG_MULTI_SZ, "hex:..." for REG_BINARY: the bytes as given.
std::string HexData(DWORD type, const std::string& bytes);

// Backslashes doubled first, then each double quote preceded by a backslash.
std::string EscapeRegString(const std::string& text);

// A row whose name holds a line break cannot be written: no form of the
// format carries it. Returns the first such row's name.
std::optional<std::string> NameThatCannotBeExported(const std::vector<TRegExportRow>& rows);

// The whole file: "REGEDIT4", an empty line, the comment line when one is
// given, the key line, one line per row in the order given, an empty line;
// CR LF after every line. A value that holds a line break, or an expandable
// one, is written as the bytes of its type, which an importer reads back
// exactly.
std::string RegExportText(const std::string& keyPath, const std::vector<TRegExportRow>& rows,
                          const std::string& comment = "");
// The same with one key line and its rows after another, an empty line
// between two keys.
std::string RegExportText(const std::vector<TRegExportKey>& keys, const std::string& comment = "");
