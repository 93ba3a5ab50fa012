#include "print/ListingLayout.h"

#include <algorithm>

namespace {

constexpr char kTab = '\t', kFormFeed = '\f', kReturn = '\r', kLineFeed = '\n';

class TListingWriter {
 public:
  explicit TListingWriter(TListingCanvas& canvas) : canvas_(canvas) {}

  void WriteLine(const std::string& line) {
    size_t start = 0;
    while (start < line.size()) {
      size_t control = line.find_first_of("\t\f\r\n", start);
      if (control == std::string::npos) control = line.size();
      if (control > start) WriteText(line.substr(start, control - start));
      if (control < line.size()) WriteControl(line[control]);
      start = control + 1;
    }
    NewLine();
  }

 private:
  // Puts as much of the text on the line as fits; the rest goes below.
  void WriteText(std::string text) {
    while (!text.empty()) {
      size_t length = text.size();
      int width = canvas_.TextWidth(text);
      while (length > 0 && x_ + width > canvas_.PageWidth()) width = canvas_.TextWidth(text.substr(0, --length));
      if (length == 0) {
        if (x_ > 0) {
          NewLine();
          continue;
        }
        length = 1;  // not even one character fits a line of its own: print it cut off
        width = canvas_.TextWidth(text.substr(0, 1));
      }
      const std::string part = text.substr(0, length);
      canvas_.DrawText(x_, y_, part);
      lineHeight_ = std::max(lineHeight_, canvas_.TextHeight(part) + 2);
      x_ += width;
      text.erase(0, length);
      if (!text.empty()) NewLine();
    }
  }

  void WriteControl(char control) {
    switch (control) {
      case kTab: {
        const int stop = 8 * canvas_.AverageCharWidth();
        if (stop > 0) x_ = x_ + stop - ((x_ + stop + 1) % stop) + 1;
        if (x_ > canvas_.PageWidth()) NewLine();
        break;
      }
      case kFormFeed:
        StartPage();
        break;
      case kLineFeed:
        NewLine();
        break;
      case kReturn:
        break;
    }
  }

  void NewLine() {
    const bool printed = lineHeight_ > 0;
    const int height = printed ? lineHeight_ : canvas_.CharHeight();
    y_ += height;
    x_ = 0;
    lineHeight_ = 0;
    if (y_ > canvas_.PageHeight() - (printed ? 2 * height : 0)) StartPage();
  }

  void StartPage() {
    canvas_.NewPage();
    x_ = y_ = lineHeight_ = 0;
  }

  TListingCanvas& canvas_;
  int x_ = 0, y_ = 0;
  int lineHeight_ = 0;  // of the text printed on the current line; 0 while none
};

}  // namespace

void LayOutListing(TListingCanvas& canvas, const std::vector<std::string>& lines) {
  TListingWriter writer(canvas);
  for (const std::string& line : lines) writer.WriteLine(line);
}
