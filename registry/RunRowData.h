#pragma once
// What a row of the Registry page keeps beside its texts: the value's
// registry type, and whether the value can be edited here.

#include <windows.h>

#include "support/RunKeyValues.h"

inline constexpr LPARAM kNotEditableHere = 0x10000;

inline LPARAM RunRowData(const TRunValue& value) { return value.type | (value.ansiForm ? 0 : kNotEditableHere); }
inline DWORD RunRowType(LPARAM data) { return static_cast<DWORD>(data & ~kNotEditableHere); }
inline bool RunRowEditable(LPARAM data) { return !(data & kNotEditableHere); }
