#include "registry/ListViewCompare.h"

#include <windows.h>

int ListViewCompare(const TListRow& row1, const TListRow& row2, int code) {
  if (code == kSortNameUp) return lstrcmpA(row1.caption.c_str(), row2.caption.c_str());
  if (code < kSortValueUp) return -lstrcmpA(row1.caption.c_str(), row2.caption.c_str());
  if (code == kSortValueUp) return lstrcmpA(row1.subItem.c_str(), row2.subItem.c_str());
  return -lstrcmpA(row1.subItem.c_str(), row2.subItem.c_str());
}

namespace {
constexpr int kStatusColumn = 2;
}

int CompareByColumn(const TListRow& row1, const TListRow& row2, int column, bool ascending) {
  if (column == kStatusColumn) return (ascending ? 1 : -1) * lstrcmpA(row1.subItem2.c_str(), row2.subItem2.c_str());
  int code = column == 0 ? (ascending ? kSortNameUp : kSortNameDown) : (ascending ? kSortValueUp : kSortValueDown);
  return ListViewCompare(row1, row2, code);
}

void SortByColumnClick(TListView& list, int column) {
  const bool ascending = list.Tag == 0;
  list.Sort([=](const TListRow& a, const TListRow& b) { return CompareByColumn(a, b, column, ascending); });
  list.Tag = 1 - list.Tag;
}
