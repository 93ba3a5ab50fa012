#include "print/GdiListingCanvas.h"

TGdiListingCanvas::TGdiListingCanvas(HDC dc, int pageWidth, int pageHeight, std::function<void()> newPage)
    : dc_(dc), pageWidth_(pageWidth), pageHeight_(pageHeight), newPage_(std::move(newPage)) {
  LOGFONTA font = {};
  font.lfHeight = -MulDiv(8, GetDeviceCaps(dc, LOGPIXELSY), 72);
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = ANSI_CHARSET;
  // Where Courier New is not installed, the nearest fixed-pitch font keeps
  // the columns of the listing.
  font.lfPitchAndFamily = FIXED_PITCH | FF_MODERN;
  lstrcpyA(font.lfFaceName, "Courier New");
  font_ = CreateFontIndirectA(&font);
  previousFont_ = SelectObject(dc_, font_);
  SetTextColor(dc_, RGB(0, 0, 0));
  SetBkMode(dc_, TRANSPARENT);
  GetTextMetricsA(dc_, &metrics_);
}

TGdiListingCanvas::~TGdiListingCanvas() {
  SelectObject(dc_, previousFont_);
  DeleteObject(font_);
}

SIZE TGdiListingCanvas::Extent(const std::string& text) {
  SIZE size = {};
  GetTextExtentPoint32A(dc_, text.data(), static_cast<int>(text.size()), &size);
  return size;
}

void TGdiListingCanvas::DrawText(int x, int y, const std::string& text) {
  TextOutA(dc_, x, y, text.data(), static_cast<int>(text.size()));
}

void TGdiListingCanvas::NewPage() { newPage_(); }

bool TGdiPrinter::PrintJob(const std::vector<std::string>& lines) {
  HDC printer = dc_;
  DOCINFOA job = {};
  job.cbSize = sizeof job;
  job.lpszDocName = "Trivan druckt...";
  if (StartDocA(printer, &job) <= 0) return false;
  bool ok = StartPage(printer) > 0;
  if (ok) {
    TGdiListingCanvas canvas(printer, GetDeviceCaps(printer, HORZRES), GetDeviceCaps(printer, VERTRES), [&] {
      ok = EndPage(printer) > 0 && StartPage(printer) > 0 && ok;
    });
    LayOutListing(canvas, lines);
    ok = EndPage(printer) > 0 && ok;
  }
  if (!ok) {
    AbortDoc(printer);
    return false;
  }
  return EndDoc(printer) > 0;
}
