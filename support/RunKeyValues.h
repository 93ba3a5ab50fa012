#pragma once
// Moves the text values of one registry key between the registry and a value
// list. Only text values (REG_SZ and REG_EXPAND_SZ) take part: values of any
// other type are never listed, deleted or rewritten, and an expandable string
// keeps its type.

#include <windows.h>

#include <string>
#include <vector>

struct TRunValue {
  std::string name;  // empty: the key's default value
  std::string data;
  DWORD type = REG_SZ;
  bool operator==(const TRunValue&) const = default;
};

using TValueList = std::vector<TRunValue>;

// view is the registry view to open the key in (KEY_WOW64_32KEY or
// KEY_WOW64_64KEY on 64-bit Windows, 0 elsewhere).

// Appends the key's text values in enumeration order. A missing or
// unreadable key adds nothing. Names and data are read into buffers of 1023
// characters; a value that does not fit ends the reading there.
void ReadKeyValues(HKEY root, const std::string& subKey, TValueList& list, REGSAM view = 0);

// Makes the key hold the list's entries: deletes the text values it holds
// now, then writes every entry in list order (a later entry of the same name
// wins). The key is never created. Each value that cannot be deleted or
// written is reported in an error message; the others go on.
void WriteKeyValues(HKEY root, const std::string& subKey, const TValueList& list, REGSAM view = 0);
