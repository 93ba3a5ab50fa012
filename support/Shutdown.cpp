#include "support/Shutdown.h"

#include <windows.h>

bool SetPrivilege(const std::string& name, bool enable) {
  HANDLE token = nullptr;
  OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token);
  TOKEN_PRIVILEGES privileges = {};
  privileges.PrivilegeCount = 1;
  bool adjusted = false;
  if (LookupPrivilegeValueA(nullptr, name.c_str(), &privileges.Privileges[0].Luid)) {
    privileges.Privileges[0].Attributes = enable ? SE_PRIVILEGE_ENABLED : 0;
    TOKEN_PRIVILEGES previous = {};
    DWORD returned = 0;
    adjusted = AdjustTokenPrivileges(token, FALSE, &privileges, sizeof previous, &previous, &returned) != FALSE;
  }
  if (token) CloseHandle(token);
  return adjusted;
}

bool RequestShutdown(unsigned flags) {
  SetPrivilege("SeShutdownPrivilege", true);
  bool accepted = ExitWindowsEx(flags, 0) != FALSE;
  SetPrivilege("SeShutdownPrivilege", false);
  return accepted;
}
