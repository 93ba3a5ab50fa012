#pragma once
// The order of the column sorts of both list pages, by sort code: 0 by name
// ascending, 1 to 9 by name descending, 10 by value ascending, 11 and above by
// value descending. Names and values compare case-sensitively and by the
// locale's collation; the automatic sort by name uses code 0.

#include "toolkit/ListView.h"

enum TSortCode { kSortNameUp = 0, kSortNameDown = 1, kSortValueUp = 10, kSortValueDown = 11 };

int ListViewCompare(const TListRow& row1, const TListRow& row2, int code);

// The order of a click on a column: column 0 by name, column 1 by value,
// the third column (the status, where a list has one) by its text.
int CompareByColumn(const TListRow& row1, const TListRow& row2, int column, bool ascending);

// What a click on a list's column does, with the list's shared toggle t (its
// Tag, 0 or 1): column 0 sorts by name, column 1 by value, the third column
// (the status, where a list has one) by its text; ascending when t is 0;
// then t changes.
void SortByColumnClick(TListView& list, int column);
