// The printed listing's layout, on a canvas that records what is drawn.
#include <gtest/gtest.h>

#include "print/ListingLayout.h"

namespace {

struct TDrawn {
  int page, x, y;
  std::string text;
  bool operator==(const TDrawn&) const = default;
};
std::ostream& operator<<(std::ostream& out, const TDrawn& d) {
  return out << "{page " << d.page << ", " << d.x << ", " << d.y << ", \"" << d.text << "\"}";
}

// A fixed-pitch font: every character 10 units wide and 12 high.
class TRecordingCanvas : public TListingCanvas {
 public:
  int PageWidth() override { return 100; }
  int PageHeight() override { return 100; }
  int CharHeight() override { return 12; }
  int AverageCharWidth() override { return 10; }
  int TextWidth(const std::string& text) override {
    measuredCharacters += text.size();
    return 10 * static_cast<int>(text.size());
  }
  int TextHeight(const std::string&) override { return 12; }
  void DrawText(int x, int y, const std::string& text) override { drawn.push_back({page, x, y, text}); }
  void NewPage() override { ++page; }

  int page = 1;
  std::vector<TDrawn> drawn;
  size_t measuredCharacters = 0;
};

std::vector<TDrawn> LayOut(const std::vector<std::string>& lines, int* pages = nullptr) {
  TRecordingCanvas canvas;
  LayOutListing(canvas, lines);
  if (pages) *pages = canvas.page;
  return canvas.drawn;
}

TEST(ListingLayout, LinesGoDownByTheirTextHeightPlusTwoAndEmptyLinesByTheCharacterHeight) {
  EXPECT_EQ(LayOut({"abc", "", "de"}), (std::vector<TDrawn>{{1, 0, 0, "abc"}, {1, 0, 26, "de"}}));
}

TEST(ListingLayout, ALineWiderThanThePageContinuesBelow) {
  EXPECT_EQ(LayOut({"abcdefghijklmno", "z"}),
            (std::vector<TDrawn>{{1, 0, 0, "abcdefghij"}, {1, 0, 14, "klmno"}, {1, 0, 28, "z"}}));
}

TEST(ListingLayout, ALongLineIsCutMeasuringTextInProportionToItsLength) {
  TRecordingCanvas canvas;
  LayOutListing(canvas, {std::string(2000, 'x')});
  ASSERT_EQ(canvas.drawn.size(), 200u);
  EXPECT_EQ(canvas.drawn.back().text, std::string(10, 'x'));
  // Re-measuring the whole rest of the line for each character dropped
  // would measure about a hundred million characters here.
  EXPECT_LE(canvas.measuredCharacters, 16u * 2000);
}

TEST(ListingLayout, TabsGoToStopsOfEightAverageWidthsAndPastThePageToTheNextLine) {
  EXPECT_EQ(LayOut({"a\tb"}), (std::vector<TDrawn>{{1, 0, 0, "a"}, {1, 80, 0, "b"}}));
  EXPECT_EQ(LayOut({"\tb"}), (std::vector<TDrawn>{{1, 80, 0, "b"}}));
  EXPECT_EQ(LayOut({"abcdefghi\tz"}), (std::vector<TDrawn>{{1, 0, 0, "abcdefghi"}, {1, 0, 14, "z"}}));
}

TEST(ListingLayout, FormFeedStartsANewPageAndLineFeedANewLineWhileCarriageReturnIsIgnored) {
  int pages = 0;
  EXPECT_EQ(LayOut({"ab\fcd", "e"}, &pages),
            (std::vector<TDrawn>{{1, 0, 0, "ab"}, {2, 0, 0, "cd"}, {2, 0, 14, "e"}}));
  EXPECT_EQ(pages, 2);
  EXPECT_EQ(LayOut({"a\nb\rc"}), (std::vector<TDrawn>{{1, 0, 0, "a"}, {1, 0, 14, "b"}, {1, 10, 14, "c"}}));
}

TEST(ListingLayout, APageEndsWhenLessThanTwiceTheLastLineHeightIsLeft) {
  std::vector<std::string> lines(7, "x");
  std::vector<TDrawn> drawn = LayOut(lines);
  ASSERT_EQ(drawn.size(), 7u);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(drawn[i], (TDrawn{1, 0, 14 * i, "x"}));
  EXPECT_EQ(drawn[6], (TDrawn{2, 0, 0, "x"}));
  // Empty lines only end a page when they pass its bottom.
  std::vector<std::string> empties(8, "");
  empties.push_back("y");
  EXPECT_EQ(LayOut(empties), (std::vector<TDrawn>{{1, 0, 96, "y"}}));
  empties.insert(empties.begin(), "");
  EXPECT_EQ(LayOut(empties), (std::vector<TDrawn>{{2, 0, 0, "y"}}));
}

}  // namespace
