#pragma once
// The few COM functions the program calls, looked up in ole32 when first
// needed: the window is shown before any page needs COM, and ole32 with the
// libraries it brings costs that start a megabyte of memory.

#include <objbase.h>

// As CoInitialize(nullptr); E_FAIL when ole32 is missing.
HRESULT ComInitialize();
// As CoUninitialize, for each successful ComInitialize.
void ComUninitialize();
// As CoCreateInstance of an in-process server, not aggregated;
// REGDB_E_CLASSNOTREG when ole32 is missing.
HRESULT ComCreateInstance(REFCLSID classId, REFIID interfaceId, void** object);
// As CoTaskMemFree; memory COM gave can only come from a loaded ole32.
void ComTaskMemFree(void* memory);
