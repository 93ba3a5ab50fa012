#include "support/KeyChanges.h"

#include <windows.h>

#include <map>

#include "support/AnsiText.h"
#include "support/WideText.h"

std::wstring ExactName(const TRunValue& value) { return value.ansiForm ? WideFromAnsi(value.name) : value.wideName; }

std::wstring ValueIdentity(const TRunValue& value) {
  std::wstring name = ExactName(value);
  CharUpperBuffW(name.data(), static_cast<DWORD>(name.size()));
  return name;
}

bool SameContent(const TRunValue& a, const TRunValue& b) {
  return a.data == b.data && a.type == b.type && a.ansiForm == b.ansiForm && a.wideData == b.wideData;
}

TKeyChanges ChangesBetween(const TValueList& before, const TValueList& after) {
  std::map<std::wstring, const TRunValue*> old, last;
  for (const TRunValue& value : before) old[ValueIdentity(value)] = &value;
  for (const TRunValue& value : after) last[ValueIdentity(value)] = &value;
  TKeyChanges changes;
  for (const TRunValue& value : before)
    if (!last.count(ValueIdentity(value))) changes.removed.push_back(value);
  for (const TRunValue& value : after) {
    const std::wstring identity = ValueIdentity(value);
    if (last[identity] != &value) continue;  // a later entry of this name wins
    auto earlier = old.find(identity);
    if (earlier == old.end() || !SameContent(*earlier->second, value)) changes.written.push_back(value);
  }
  return changes;
}

TKeyChanges SeparateConflicts(const TKeyChanges& mine, const TKeyChanges& theirs, const TValueList& current,
                              TKeyChanges& conflicts) {
  std::map<std::wstring, const TRunValue*> now;
  for (const TRunValue& value : current) now[ValueIdentity(value)] = &value;
  std::map<std::wstring, bool> touched;
  for (const TValueList* list : {&theirs.removed, &theirs.written})
    for (const TRunValue& value : *list) touched[ValueIdentity(value)] = true;

  TKeyChanges free;
  for (const TRunValue& value : mine.removed) {
    const std::wstring identity = ValueIdentity(value);
    if (!touched.count(identity))
      free.removed.push_back(value);
    else if (now.count(identity))
      conflicts.removed.push_back(value);
  }
  for (const TRunValue& value : mine.written) {
    const std::wstring identity = ValueIdentity(value);
    auto present = now.find(identity);
    if (!touched.count(identity))
      free.written.push_back(value);
    else if (present == now.end() || !SameContent(*present->second, value))
      conflicts.written.push_back(value);
  }
  return free;
}
