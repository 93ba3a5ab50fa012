#pragma once
// One entry of a place Windows starts programs from (a Run-type key, a
// start-up folder, and whatever place is listed next), as every page and a
// listing see it, whatever keeps it.

#include <windows.h>

#include <string>

// Where an entry is started from: a key below a registry root in a view
// (KEY_WOW64_32KEY, KEY_WOW64_64KEY or 0), or a folder (root null).
struct TEntryPlace {
  HKEY root = nullptr;
  std::string path;
  REGSAM view = 0;
  bool operator==(const TEntryPlace&) const = default;
};

// On: Windows starts it. Off by Velmora: it waits where Velmora keeps the
// entries it switched off. Off by Windows: it stays in its place, and
// Windows' own switch keeps it from starting.
enum class TEntryState { On, OffByVelmora, OffByWindows };

struct TStartupEntry {
  TEntryPlace place;
  std::wstring name;  // exactly as stored; empty for a key's default value
  std::wstring command;
  // The stored form: a registry type (REG_SZ, REG_DWORD ...) and its bytes.
  DWORD type = REG_SZ;
  std::string bytes;
  TEntryState state = TEntryState::On;
  // False when Velmora cannot change it without harm: its name or command
  // holds characters the ANSI code page lacks, or it is no text.
  bool editable = true;
};

// Names as Windows tells them apart: without regard to letter case.
inline std::wstring NameIdentity(std::wstring name) {
  CharUpperBuffW(name.data(), static_cast<DWORD>(name.size()));
  return name;
}
