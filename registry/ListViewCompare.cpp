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

void SortByColumnClick(TListView& list, int column) {
  bool ascending = list.Tag == 0;
  if (column == kStatusColumn) {
    int sign = ascending ? 1 : -1;
    list.Sort([sign](const TListRow& a, const TListRow& b) {
      return sign * lstrcmpA(a.subItem2.c_str(), b.subItem2.c_str());
    });
  } else {
    int code = column == 0 ? (ascending ? kSortNameUp : kSortNameDown) : (ascending ? kSortValueUp : kSortValueDown);
    list.Sort([code](const TListRow& a, const TListRow& b) { return ListViewCompare(a, b, code); });
  }
  list.Tag = 1 - list.Tag;
}
