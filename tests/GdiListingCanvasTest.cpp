// The listing drawn with GDI on a memory device context the size of a page.
#include <gtest/gtest.h>
#include <windows.h>

#include "print/GdiListingCanvas.h"

namespace {

TEST(GdiListingCanvas, MeasuresInCourierNewAndFillsThePagesItShould) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP page = CreateCompatibleBitmap(dc, 600, 800);
  HGDIOBJ previous = SelectObject(dc, page);
  int pages = 1;
  {
    TGdiListingCanvas canvas(dc, 600, 800, [&] { ++pages; });
    LOGFONTA requested = {};
    GetObjectA(GetCurrentObject(dc, OBJ_FONT), sizeof requested, &requested);
    EXPECT_STREQ(requested.lfFaceName, "Courier New");
    EXPECT_EQ(requested.lfHeight, -MulDiv(8, GetDeviceCaps(dc, LOGPIXELSY), 72));
    EXPECT_EQ(requested.lfWeight, FW_NORMAL);
    EXPECT_FALSE(requested.lfItalic || requested.lfUnderline || requested.lfStrikeOut);
    const int lineHeight = canvas.TextHeight("[boot]") + 2;
    ASSERT_GT(lineHeight, 2);
    EXPECT_EQ(canvas.TextWidth("iiii"), canvas.TextWidth("WWWW"));  // a fixed-pitch font
    // A page holds the lines until less than two line heights are left.
    const int linesPerPage = (800 - 2 * lineHeight) / lineHeight + 1;
    std::vector<std::string> systemIni = {"[boot]", "shell=Explorer.exe", "system.drv=system.drv",
                                          "[386Enh]", "woafont=dosapp.fon"};
    std::vector<std::string> lines;
    while (static_cast<int>(lines.size()) < 2 * linesPerPage + 3) lines.insert(lines.end(), systemIni.begin(), systemIni.end());
    lines.resize(2 * linesPerPage + 3);
    LayOutListing(canvas, lines);
  }
  EXPECT_EQ(pages, 3);
  SelectObject(dc, previous);
  DeleteObject(page);
  DeleteDC(dc);
}

}  // namespace
