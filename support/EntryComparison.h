#pragma once
// What changed between two lists of start-up entries. An entry is known by
// its place and name; any other field that differs makes it changed. Where
// a place holds several entries of one name (an entry on and its switched-off
// twin), they pair up in the order they are listed.

#include <string>
#include <vector>

#include "support/EntryList.h"

enum class TEntryChangeKind { Added, Removed, Changed };

struct TEntryChange {
  TEntryChangeKind kind;
  TListedEntry entry;  // as it is now; as it was for a removed one

  bool operator==(const TEntryChange&) const = default;
};

// The added and changed entries in the order of now, then the removed ones
// in the order of before; time proportional to the two lists.
std::vector<TEntryChange> CompareEntryLists(const std::vector<TListedEntry>& before,
                                            const std::vector<TListedEntry>& now);

// The file of the changes: byte order mark, a header with "Änderung" in
// front of the list's columns, one row per change ("neu", "entfernt",
// "geändert").
std::string EntryChangesText(const std::vector<TEntryChange>& changes);
