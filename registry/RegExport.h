#pragma once
// The registration file (REGEDIT4) of a list of Run entries.

#include <optional>
#include <string>
#include <vector>

struct TRegExportRow {
  std::string name;
  std::string value;
  bool expandable = false;  // REG_EXPAND_SZ: exported with that type
};

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
