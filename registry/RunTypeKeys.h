#pragma once
// The Run-type keys Velmora shows, in the order of the Registry page's
// buttons, named as the page and the export name them.

#include <string>
#include <vector>

struct TRunTypeKey {
  std::string path;  // "HKEY_LOCAL_MACHINE\Software\...\Run"
  // Shown on the running Windows: the 32-bit view only on 64-bit Windows,
  // the policy keys only on the NT family.
  bool shown;
};

// HKLM Run, HKCU Run, HKLM RunServices, HKLM RunOnce, HKCU RunOnce, HKLM
// RunServicesOnce, HKLM Run and RunOnce of the 32-bit view, the policy Run
// keys of HKLM and HKCU.
const std::vector<TRunTypeKey>& RunTypeKeys();
