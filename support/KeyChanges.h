#pragma once
// The difference between two states of a key's text values, by name. Names
// match without regard to letter case, as the registry matches them.

#include <string>

#include "support/RunKeyValues.h"

// The value's name exactly as stored.
std::wstring ExactName(const TRunValue& value);
// The name as the registry tells values apart.
std::wstring ValueIdentity(const TRunValue& value);

// True when both hold the same text of the same type.
bool SameContent(const TRunValue& a, const TRunValue& b);

// What turns before into after: the values of before whose name after lacks,
// and for each name of after its last entry, where before lacks it or holds
// other content. Writes keep the order of after.
TKeyChanges ChangesBetween(const TValueList& before, const TValueList& after);

// Sets the user's changes (mine, made to what was loaded) against those of
// another program made meanwhile (theirs, turning what was loaded into
// current). Returns the changes that touch nothing of theirs; those that
// would undo or overwrite one of theirs go to conflicts; those that current
// already shows are dropped.
TKeyChanges SeparateConflicts(const TKeyChanges& mine, const TKeyChanges& theirs, const TValueList& current,
                              TKeyChanges& conflicts);
