#include "registry/RunTypeKeys.h"

#include "support/Tools.h"
#include "support/WindowsVersion.h"

// The 32-bit view is named as the 64-bit registry editor names it.
const std::vector<TRunTypeKey>& RunTypeKeys() {
  static const std::vector<TRunTypeKey> keys = [] {
    const std::string keys64 = "Software\\Microsoft\\Windows\\CurrentVersion\\";
    const std::string keys32 = "SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\";
    const std::string machine = "HKEY_LOCAL_MACHINE\\", user = "HKEY_CURRENT_USER\\";
    return std::vector<TRunTypeKey>{
        {machine + keys64 + "Run", true},
        {user + keys64 + "Run", true},
        {machine + keys64 + "RunServices", true},
        {machine + keys64 + "RunOnce", true},
        {user + keys64 + "RunOnce", true},
        {machine + keys64 + "RunServicesOnce", true},
        {machine + keys32 + "Run", IsWin64()},
        {machine + keys32 + "RunOnce", IsWin64()},
        {machine + keys64 + "Policies\\Explorer\\Run", IsWinNT},
        {user + keys64 + "Policies\\Explorer\\Run", IsWinNT},
    };
  }();
  return keys;
}
