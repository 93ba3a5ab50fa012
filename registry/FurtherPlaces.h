#pragma once
// The further places the NT family starts programs from, beyond the Run-type
// keys: the logon's own values (Winlogon), DLLs loaded into every program,
// debuggers started instead of a program, programs run at boot, and the keys
// setup programs and the shell run from. Only read: a wrong Shell or Userinit
// makes Windows unusable, so nothing here writes.

#include <string>
#include <vector>

#include "registry/RegExport.h"
#include "support/RunKeyValues.h"

// Why a value deserves a look: it differs from what Windows puts there.
enum class TFurtherWarning {
  None,
  NotWindowsShell,     // Winlogon's Shell is not explorer.exe
  NotWindowsUserinit,  // Userinit starts more than, or other than, userinit.exe
  NotFromWindows,      // a value Windows itself never sets (Taskman, AppSetup, the user's Shell)
  AppInitLoaded,       // DLLs loaded into every program that shows a window
  AppInitNotLoaded,    // DLLs listed, but LoadAppInit_DLLs keeps them out
  Debugger,            // a program started instead of another
  BootExecute,         // more than the disk check runs at boot
};

struct TFurtherEntry {
  std::string location;  // the key, as the Registry page names keys (32-bit view: "...\Wow6432Node\...")
  TKeyValue value;       // name, type and bytes as stored
  TFurtherWarning warning = TFurtherWarning::None;
};

// Every value of the further places there is, in a fixed order of places, in
// both registry views on 64-bit Windows (a value that the 32-bit view shows
// alike, as in a key both views share, once). Nothing on the 9x family,
// which has none of these places.
std::vector<TFurtherEntry> ReadFurtherPlaces();

// The value as a line of text: texts as they are, several texts separated by
// "; ", a number in decimal, other data as its bytes in hexadecimal.
std::wstring ShownValue(const TKeyValue& value);

// The entries as registration file keys, each key once, in the order met.
std::vector<TRegExportKey> FurtherExportKeys(const std::vector<TFurtherEntry>& entries);
