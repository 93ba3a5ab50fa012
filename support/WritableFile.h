#pragma once
// A file made writable for one write only: its read-only, hidden and system
// attributes are cleared (Windows refuses to replace a hidden or system file
// otherwise) and given back when the write is over. Reading never needs it,
// so a file only looked at keeps its attributes.

#include <windows.h>

#include <string>

class TWritableFile {
 public:
  explicit TWritableFile(const std::string& path);
  ~TWritableFile();
  TWritableFile(const TWritableFile&) = delete;
  TWritableFile& operator=(const TWritableFile&) = delete;

  // False when the file is read-only and stays so.
  bool Writable() const { return writable_; }

 private:
  std::string path_;
  DWORD attributes_;
  bool writable_ = true;
};
