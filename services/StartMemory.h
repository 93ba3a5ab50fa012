#pragma once
// What a service's start was before Velmora switched it off, kept where a
// person finds it with the registry editor and where it survives Velmora:
// the sub-key "Velmora-deaktiviert" of the service's own key, with the
// values "Start" and "DelayedAutostart" (REG_DWORD) exactly as they were.
// It goes with the service when the service is removed.

#include <windows.h>

#include <optional>
#include <string>

struct TStartValues {
  DWORD start = SERVICE_AUTO_START;
  DWORD delayed = 0;
  bool operator==(const TStartValues&) const = default;
};

// HKEY_LOCAL_MACHINE\<this>: the service's own key.
std::string ServiceKey(const std::wstring& service);

std::optional<TStartValues> RememberedStart(const std::wstring& service);
// ERROR_SUCCESS or the Win32 error code; a failed write leaves no sub-key.
LONG RememberStart(const std::wstring& service, const TStartValues& values);
LONG ForgetStart(const std::wstring& service);
