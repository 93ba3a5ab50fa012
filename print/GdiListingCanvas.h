#pragma once
// The listing canvas on a real device context, in "Courier New" 8 points.

#include <windows.h>

#include <functional>

#include "print/ListingLayout.h"
#include "toolkit/Interaction.h"

class TGdiListingCanvas : public TListingCanvas {
 public:
  // newPage ends the page and begins the next (on a printer: EndPage and StartPage).
  TGdiListingCanvas(HDC dc, int pageWidth, int pageHeight, std::function<void()> newPage);
  ~TGdiListingCanvas() override;
  TGdiListingCanvas(const TGdiListingCanvas&) = delete;
  TGdiListingCanvas& operator=(const TGdiListingCanvas&) = delete;

  int PageWidth() override { return pageWidth_; }
  int PageHeight() override { return pageHeight_; }
  int CharHeight() override { return metrics_.tmHeight; }
  int AverageCharWidth() override { return metrics_.tmAveCharWidth; }
  int TextWidth(const std::string& text) override { return Extent(text).cx; }
  int TextHeight(const std::string& text) override { return Extent(text).cy; }
  void DrawText(int x, int y, const std::string& text) override;
  void NewPage() override;

 private:
  SIZE Extent(const std::string& text);

  HDC dc_;
  int pageWidth_, pageHeight_;
  std::function<void()> newPage_;
  HFONT font_;
  HGDIOBJ previousFont_;
  TEXTMETRICA metrics_ = {};
};

// A printer's device context, released with the object.
class TGdiPrinter : public TPrinter {
 public:
  TGdiPrinter(HDC dc, int copies) : dc_(dc), copies_(copies) {}
  ~TGdiPrinter() override { DeleteDC(dc_); }
  TGdiPrinter(const TGdiPrinter&) = delete;
  TGdiPrinter& operator=(const TGdiPrinter&) = delete;

  int Copies() const override { return copies_; }
  // One job named "Trivan druckt..." holding the whole listing.
  bool PrintJob(const std::vector<std::string>& lines) override;

 private:
  HDC dc_;
  int copies_;
};
