#include "support/TextFile.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <utility>

#include "support/FileReplace.h"
#include "support/WholeFile.h"
#include "support/WritableFile.h"

bool LoadTextFile(const std::string& path, TLoadedText& loaded) {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return false;
  size_t nul = bytes.find('\0');
  loaded.hasNulByte = nul != std::string::npos;
  if (loaded.hasNulByte) bytes.resize(nul);
  loaded.text = NormaliseLineEnds(std::move(bytes));
  return true;
}

namespace {

// Every LF has a CR before it and there are no other CRs. Searched for
// rather than stepped through: a megabyte costs a tenth of the time.
bool HasOnlyCrLfLineEnds(const std::string& text) {
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  size_t lineFeeds = 0;
  for (const char* lf = begin; (lf = static_cast<const char*>(std::memchr(lf, '\n', end - lf))); ++lf, ++lineFeeds)
    if (lf == begin || lf[-1] != '\r') return false;
  return static_cast<size_t>(std::count(begin, end, '\r')) == lineFeeds;
}

}  // namespace

std::string NormaliseLineEnds(std::string text) {
  // Files written on Windows have nothing to change: they are not copied.
  if (HasOnlyCrLfLineEnds(text)) return text;
  std::string result;
  result.reserve(text.size() + text.size() / 16);
  for (size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r') {
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
      result += "\r\n";
    } else if (c == '\n') {
      result += "\r\n";
    } else {
      result += c;
    }
  }
  return result;
}

bool SaveTextFile(const std::string& path, const std::string& text) {
  const std::string beside = path + ".$$$";
  if (WriteWholeFile(beside, text) != TWriteResult::Written) {
    DeleteFileA(beside.c_str());
    return false;
  }
  if (!ReplaceWithFile(beside, path)) {
    DeleteFileA(beside.c_str());
    return false;
  }
  return true;
}

bool SaveKeepingAttributes(const std::string& path, const std::string& text, const std::function<void()>& afterWrite) {
  // After a failed save the old file is whole: it gets its attributes back too.
  TWritableFile writable(path);
  const bool saved = SaveTextFile(path, text);
  if (saved && afterWrite) afterWrite();
  return saved;
}
