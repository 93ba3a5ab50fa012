#include "support/CsvText.h"

namespace {

constexpr char kSeparator = ';';

bool NeedsQuotes(const std::string& field) { return field.find_first_of(";\"\r\n") != std::string::npos; }

void AppendField(std::string& line, const std::string& field) {
  if (!NeedsQuotes(field)) {
    line += field;
    return;
  }
  line += '"';
  for (char c : field) {
    if (c == '"') line += '"';
    line += c;
  }
  line += '"';
}

// Reads the rows of a text one after the other.
class TRowReader {
 public:
  explicit TRowReader(std::string_view text) : text_(text) {}

  bool AtEnd() const { return pos_ >= text_.size(); }

  bool ReadRow(TCsvRow& row) {
    row.assign(1, std::string());
    bool quoteClosed = false;  // the field so far was quoted: only its end may follow
    while (!AtEnd()) {
      const char c = text_[pos_];
      if (c == kSeparator) {
        ++pos_;
        row.emplace_back();
        quoteClosed = false;
      } else if (AtLineEnd()) {
        pos_ += c == '\r' ? 2 : 1;
        return true;
      } else if (quoteClosed || (c == '"' && !row.back().empty())) {
        return false;
      } else if (c == '"') {
        if (!ReadQuoted(row.back())) return false;
        quoteClosed = true;
      } else {
        row.back() += c;
        ++pos_;
      }
    }
    return true;
  }

 private:
  bool AtLineEnd() const {
    return text_[pos_] == '\n' || (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n');
  }

  // From the opening quote to just past the closing one; a doubled quote is
  // one quote of the field.
  bool ReadQuoted(std::string& field) {
    ++pos_;
    while (!AtEnd()) {
      const char c = text_[pos_++];
      if (c != '"') {
        field += c;
      } else if (!AtEnd() && text_[pos_] == '"') {
        field += '"';
        ++pos_;
      } else {
        return true;
      }
    }
    return false;
  }

  std::string_view text_;
  size_t pos_ = 0;
};

}  // namespace

std::string CsvLine(const TCsvRow& fields) {
  std::string line;
  for (size_t i = 0; i < fields.size(); ++i) {
    if (i) line += kSeparator;
    AppendField(line, fields[i]);
  }
  return line + "\r\n";
}

bool ParseCsv(std::string_view text, std::vector<TCsvRow>& rows) {
  rows.clear();
  TRowReader reader(text);
  while (!reader.AtEnd()) {
    rows.emplace_back();
    if (!reader.ReadRow(rows.back())) return false;
  }
  return true;
}
