#include "print/ListingLayout.h"

#include <algorithm>
#include <string_view>

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
      if (control > start) WriteText(std::string_view(line).substr(start, control - start));
      if (control < line.size()) WriteControl(line[control]);
      start = control + 1;
    }
    NewLine();
  }

 private:
  // Puts as much of the text on the line as fits; the rest goes below.
  void WriteText(std::string_view text) {
    while (!text.empty()) {
      size_t length = FittingLength(text);
      if (length == 0) {
        if (x_ > 0) {
          NewLine();
          continue;
        }
        length = 1;  // not even one character fits a line of its own: print it cut off
      }
      const std::string part(text.substr(0, length));
      canvas_.DrawText(x_, y_, part);
      lineHeight_ = std::max(lineHeight_, canvas_.TextHeight(part) + 2);
      x_ += canvas_.TextWidth(part);
      text.remove_prefix(length);
      if (!text.empty()) NewLine();
    }
  }

  // The longest start of text that fits between x and the page's edge. A
  // longer start is never narrower, so doubling and then halving the length
  // finds it while measuring no more than about twice what fits: a long
  // line costs time in proportion to its length.
  size_t FittingLength(std::string_view text) {
    const int room = canvas_.PageWidth() - x_;
    auto fits = [&](size_t length) { return canvas_.TextWidth(std::string(text.substr(0, length))) <= room; };
    size_t fitting = 0, probe = 1;  // fitting fits; probe is the next length to try
    while (fits(probe)) {
      fitting = probe;
      if (probe == text.size()) return fitting;
      probe = std::min(2 * probe, text.size());
    }
    while (probe - fitting > 1) {
      const size_t middle = fitting + (probe - fitting) / 2;
      if (fits(middle))
        fitting = middle;
      else
        probe = middle;
    }
    return fitting;
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
