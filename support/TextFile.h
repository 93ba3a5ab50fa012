#pragma once
// Whole text files as the text pages show and save them.

#include <functional>
#include <string>

struct TLoadedText {
  std::string text;          // line ends as CR LF
  bool hasNulByte = false;   // the text ends before the first NUL byte
};

// False when the file cannot be opened or read.
bool LoadTextFile(const std::string& path, TLoadedText& loaded);

// A lone CR or a lone LF becomes CR LF.
std::string NormaliseLineEnds(std::string text);

// Writes the text completely beside the file, then puts it in the file's
// place: on any failure the old file is left as it was. False on failure.
bool SaveTextFile(const std::string& path, const std::string& text);

// SaveTextFile on a file that may be read-only, hidden or system: its
// attributes are cleared for the save and given back afterwards (after
// afterWrite, which may add to the new file); a new file keeps ordinary ones.
bool SaveKeepingAttributes(const std::string& path, const std::string& text,
                           const std::function<void()>& afterWrite = nullptr);
