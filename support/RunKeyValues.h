#pragma once
// The values of one registry key exactly as stored: name, type and bytes,
// whatever their type and length. Nothing here asks or reports: each write
// or deletion gives its Win32 error code. The key is never created.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

struct TKeyValue {
  std::wstring name;  // empty: the key's default value
  DWORD type = REG_SZ;
  std::string bytes;
  bool operator==(const TKeyValue&) const = default;
};
using TKeyValues = std::vector<TKeyValue>;

// REG_SZ and REG_EXPAND_SZ.
bool IsText(DWORD type);
// A text value's text: its bytes up to the first zero, in the form the
// platform stores (wide on the NT family, ANSI on the 9x family).
std::wstring TextOf(const TKeyValue& value);
// A text value in that form, with its final zero.
TKeyValue TextValue(const std::wstring& name, const std::wstring& text, DWORD type);

// view is the registry view to open the key in (KEY_WOW64_32KEY or
// KEY_WOW64_64KEY on 64-bit Windows, 0 elsewhere). It has no default: left
// out, a 32-bit program on 64-bit Windows would see the 32-bit view.

// Every value in enumeration order; none when the key cannot be opened.
std::optional<TKeyValues> ReadKeyValues(HKEY root, const std::string& subKey, REGSAM view);
LONG WriteKeyValue(HKEY root, const std::string& subKey, const TKeyValue& value, REGSAM view);
LONG DeleteKeyValue(HKEY root, const std::string& subKey, const std::wstring& name, REGSAM view);
