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
  // False on the NT family when the name or the data holds characters that
  // the ANSI code page cannot carry: name and data then show "?" for them,
  // the exact texts are kept beside, and the value is never deleted or
  // written from here.
  bool ansiForm = true;
  std::wstring wideName{}, wideData{};
  bool operator==(const TRunValue&) const = default;
};

using TValueList = std::vector<TRunValue>;

// What a save does to a key: the values to delete, then those to write.
struct TKeyChanges {
  TValueList removed;
  TValueList written;
  bool empty() const { return removed.empty() && written.empty(); }
};

// view is the registry view to open the key in (KEY_WOW64_32KEY or
// KEY_WOW64_64KEY on 64-bit Windows, 0 elsewhere). It has no default: left
// out, a 32-bit program on 64-bit Windows would see the 32-bit view.

// Appends the key's text values in enumeration order, whatever the length of
// their names and data. A missing or unreadable key adds nothing.
void ReadKeyValues(HKEY root, const std::string& subKey, TValueList& list, REGSAM view);

// Deletes and writes as the changes say. The key is never created. Each
// value that cannot be deleted or written (a missing key included) is
// reported in an error message and the others go on; true when none failed.
bool WriteKeyChanges(HKEY root, const std::string& subKey, const TKeyChanges& changes, REGSAM view);
