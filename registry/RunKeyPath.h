#pragma once
#include <windows.h>

#include <string>

// A key path as the Registry page shows it: "HKEY_LOCAL_MACHINE\Software\..."
// selects HKEY_LOCAL_MACHINE; any other text before the first backslash
// selects HKEY_CURRENT_USER. The rest is the path below the root.
struct TRunKeyPath {
  HKEY root;
  std::string subKey;
};

TRunKeyPath ResolveRunKeyPath(const std::string& keyPath);
