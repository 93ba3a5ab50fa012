#include "support/EntryComparison.h"

#include <deque>
#include <unordered_map>


namespace {

// UTF-8 whatever the compiler makes of narrow literals.
std::string Utf8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

std::string KindText(TEntryChangeKind kind) {
  switch (kind) {
    case TEntryChangeKind::Added:
      return "neu";
    case TEntryChangeKind::Removed:
      return "entfernt";
    case TEntryChangeKind::Changed:
      break;
  }
  return Utf8(u8"geändert");
}

// Place and name joined by a character neither can hold.
std::string Identity(const TListedEntry& entry) { return entry.place + '\0' + entry.name; }

}  // namespace

std::vector<TEntryChange> CompareEntryLists(const std::vector<TListedEntry>& before,
                                            const std::vector<TListedEntry>& now) {
  std::unordered_map<std::string, std::deque<size_t>> unmatched;
  for (size_t i = 0; i < before.size(); ++i) unmatched[Identity(before[i])].push_back(i);
  std::vector<bool> matched(before.size(), false);
  std::vector<TEntryChange> changes;
  for (const TListedEntry& entry : now) {
    auto found = unmatched.find(Identity(entry));
    if (found == unmatched.end() || found->second.empty()) {
      changes.push_back({TEntryChangeKind::Added, entry});
      continue;
    }
    const size_t old = found->second.front();
    found->second.pop_front();
    matched[old] = true;
    if (!(before[old] == entry)) changes.push_back({TEntryChangeKind::Changed, entry});
  }
  for (size_t i = 0; i < before.size(); ++i)
    if (!matched[i]) changes.push_back({TEntryChangeKind::Removed, before[i]});
  return changes;
}

std::string EntryChangesText(const std::vector<TEntryChange>& changes) {
  std::string text = kUtf8ByteOrderMark + Utf8(u8"Änderung") + ";" + EntryListHeader();
  for (const TEntryChange& change : changes) text += KindText(change.kind) + ";" + EntryListLine(change.entry);
  return text;
}
