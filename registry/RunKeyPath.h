#pragma once
#include <windows.h>

#include <string>

// A key path as the Registry page shows it: "HKEY_LOCAL_MACHINE\Software\..."
// selects HKEY_LOCAL_MACHINE; any other text before the first backslash
// selects HKEY_CURRENT_USER. The rest is the path below the root.
//
// On 64-bit Windows every key is opened in an explicit view, so that the 32-
// and the 64-bit build see the same: "HKEY_LOCAL_MACHINE\SOFTWARE\Wow6432Node\..."
// (as the 64-bit registry editor names the 32-bit view) is the key without
// "Wow6432Node\" in the 32-bit view, any other path the key in the 64-bit view.
struct TRunKeyPath {
  HKEY root;
  std::string subKey;
  REGSAM view;  // KEY_WOW64_32KEY or KEY_WOW64_64KEY; 0 on 32-bit Windows
};

TRunKeyPath ResolveRunKeyPath(const std::string& keyPath);
