#include <gtest/gtest.h>

#include "registry/ListViewCompare.h"

namespace {

int Sign(int value) { return (value > 0) - (value < 0); }

TEST(ListViewCompare, SortCodesChooseColumnAndDirection) {
  const TListRow a{"Alpha", "z.exe"}, b{"beta", "a.exe"};
  EXPECT_EQ(Sign(ListViewCompare(a, b, 0)), -1);
  for (int code = 1; code <= 9; ++code) EXPECT_EQ(Sign(ListViewCompare(a, b, code)), 1) << code;
  EXPECT_EQ(Sign(ListViewCompare(a, b, 10)), 1);
  for (int code : {11, 12, 99}) EXPECT_EQ(Sign(ListViewCompare(a, b, code)), -1) << code;
  EXPECT_EQ(ListViewCompare(a, a, 0), 0);
  EXPECT_EQ(ListViewCompare(a, a, 11), 0);
}

TEST(ListViewCompare, NamesCompareByTheLocaleWithCaseAsTieBreaker) {
  // Word sort: letter case and accents only decide between otherwise equal names.
  const char* ordered[] = {"a", "A", "\xE4", "\xC4", "ab", "b", "B", "Z"};
  for (size_t i = 0; i + 1 < std::size(ordered); ++i)
    EXPECT_LT(ListViewCompare({ordered[i], ""}, {ordered[i + 1], ""}, 0), 0) << ordered[i] << " " << ordered[i + 1];
  EXPECT_NE(ListViewCompare({"tool", ""}, {"Tool", ""}, 0), 0);
}

}  // namespace
