#include "support/WritableFile.h"

namespace {

constexpr DWORD kInTheWay = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

}  // namespace

TWritableFile::TWritableFile(const std::string& path) : path_(path), attributes_(GetFileAttributesA(path.c_str())) {
  if (attributes_ == INVALID_FILE_ATTRIBUTES || !(attributes_ & kInTheWay)) return;
  const DWORD cleared = attributes_ & ~kInTheWay;
  writable_ = SetFileAttributesA(path.c_str(), cleared ? cleared : FILE_ATTRIBUTE_NORMAL) ||
              !(attributes_ & FILE_ATTRIBUTE_READONLY);
}

// A file the write replaced gets them back too.
TWritableFile::~TWritableFile() {
  if (attributes_ != INVALID_FILE_ATTRIBUTES && (attributes_ & kInTheWay))
    SetFileAttributesA(path_.c_str(), attributes_);
}
