#include "support/SystemLocations.h"

#include <windows.h>

#include "support/RegKey.h"
#include "support/Tools.h"
#include "support/WindowsVersion.h"

namespace {

constexpr char kShellFolders[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
constexpr DWORD kBufferSize = 1023;
// The machine's settings as Windows itself keeps them: on 64-bit Windows the
// 32-bit build reads them from the 64-bit view, as the 64-bit build does.
REGSAM MachineRead() { return KEY_QUERY_VALUE | NativeRegistryView(); }

bool IsFolder(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string DefaultStartupDir() { return GetWinDir() + "\\Startmenü\\Autostart"; }

}  // namespace

std::string GetWinDir() {
  char buffer[kBufferSize + 1] = {};
  GetWindowsDirectoryA(buffer, kBufferSize);
  return buffer;
}

std::string GetBootDir() {
  std::string result = "C:\\";
  if (TRegKey setup(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\Setup", MachineRead()); setup) {
    if (auto bootDir = QueryRegText(setup.Handle(), "BootDir")) result = *bootDir;
  }
  return result.empty() ? "C:\\" : WithFinalBackslash(result);
}

std::string GetUserStartupDir() {
  TRegKey folders(HKEY_CURRENT_USER, kShellFolders, KEY_QUERY_VALUE);
  if (!folders) return DefaultStartupDir();
  return QueryRegText(folders.Handle(), "Startup").value_or(DefaultStartupDir());
}

std::string GetCommonStartupDir() {
  TRegKey folders(HKEY_LOCAL_MACHINE, kShellFolders, MachineRead());
  if (!folders) return DefaultStartupDir();
  std::string result = QueryRegText(folders.Handle(), "Common Startup").value_or(DefaultStartupDir());
  if (result.empty() || !IsFolder(result)) {
    if (auto programs = QueryRegText(folders.Handle(), "Common Programs")) {
      result = WithFinalBackslash(*programs) + "Autostart";
    }
  }
  return result;
}
