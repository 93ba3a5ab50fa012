#pragma once
// What a row of the Registry page keeps beside its texts: the value's
// registry type, whether the value can be edited here, and whether it was
// loaded from the sub-key where switched-off entries wait.

#include <windows.h>

#include "support/RunKeyValues.h"

inline constexpr LPARAM kNotEditableHere = 0x10000;
inline constexpr LPARAM kLoadedWaiting = 0x20000;

inline LPARAM RunRowData(const TRunValue& value, bool waiting) {
  return value.type | (value.ansiForm ? 0 : kNotEditableHere) | (waiting ? kLoadedWaiting : 0);
}
inline DWORD RunRowType(LPARAM data) { return static_cast<DWORD>(data & 0xFFFF); }
inline bool RunRowEditable(LPARAM data) { return !(data & kNotEditableHere); }
inline bool RunRowLoadedWaiting(LPARAM data) { return (data & kLoadedWaiting) != 0; }
