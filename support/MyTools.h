#pragma once
// Small file and text helpers of the msdos.sys page and of backup and restore.

#include <string>

class TMyTools {
 public:
  // The file's size in bytes (low 32 bits); -1 when nothing is found or the
  // path names a folder. With wild cards: the first match.
  long long FileSizeOf(const std::string& path) const;
  // text repeated until the result is longer than n characters; text must
  // not be empty.
  std::string RepeatText(const std::string& text, int n) const;
  // a-z and ä, ö, ü in upper case; everything else, ß included, unchanged.
  std::string UpperCaseGerman(const std::string& text) const;
};

extern const TMyTools MyTools;
