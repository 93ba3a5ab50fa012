#include "support/WindowsVersion.h"

#include "support/Tools.h"

namespace {

#ifndef _WIN64
// IsWow64Process is missing before XP SP2, so it is looked up at run time.
bool RunsUnderWow64() {
  using TIsWow64Process = BOOL(WINAPI*)(HANDLE, PBOOL);
  auto isWow64Process = reinterpret_cast<TIsWow64Process>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "IsWow64Process")));
  BOOL wow64 = FALSE;
  return isWow64Process && isWow64Process(GetCurrentProcess(), &wow64) && wow64;
}
#endif

bool DetectWin64() {
  if (!IsWinNT) return false;
#ifdef _WIN64
  return true;
#else
  return RunsUnderWow64();
#endif
}

bool DetectWin8OrLater() {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof info;
  if (!GetVersionExA(&info) || info.dwPlatformId != VER_PLATFORM_WIN32_NT) return false;
  return info.dwMajorVersion > 6 || (info.dwMajorVersion == 6 && info.dwMinorVersion >= 2);
}

}  // namespace

bool IsWin64() {
  static const bool win64 = DetectWin64();
  return win64;
}

bool IsWin8OrLater() {
  static const bool win8 = DetectWin8OrLater();
  return win8;
}

REGSAM NativeRegistryView() { return IsWin64() ? KEY_WOW64_64KEY : 0; }
