#pragma once
// Lays out text lines as a plain listing on pages: no margins, no header;
// long lines wrap, tabs go to stops every eight average character widths,
// a form feed starts a new page. Knows nothing of printers: it draws on a
// canvas that measures and places text.

#include <string>
#include <vector>

class TListingCanvas {
 public:
  virtual ~TListingCanvas() = default;
  virtual int PageWidth() = 0;
  virtual int PageHeight() = 0;
  // The font's character height and average character width.
  virtual int CharHeight() = 0;
  virtual int AverageCharWidth() = 0;
  // Width and height of a text in the font.
  virtual int TextWidth(const std::string& text) = 0;
  virtual int TextHeight(const std::string& text) = 0;
  virtual void DrawText(int x, int y, const std::string& text) = 0;
  virtual void NewPage() = 0;
};

void LayOutListing(TListingCanvas& canvas, const std::vector<std::string>& lines);
