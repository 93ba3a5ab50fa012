#pragma once
// The boot options of msdos.sys, kept in the file's own lines: the text is
// the only model. Beside the lines shown (memo) runs an upper-case shadow
// (upper), line for line, in which keys are looked up.

#include <optional>
#include <string>
#include <vector>

struct TMsdosLines {
  std::vector<std::string> memo;
  std::vector<std::string> upper;
};

struct TMsdosOption {
  const char* key;           // as written into the file
  const char* defaultValue;
};

// The fourteen options in the order in which the page is filled.
extern const TMsdosOption kMsdosOptions[14];

// upper := memo, each line in the locale's upper case.
void RebuildMsdosUpperLines(TMsdosLines& lines);

// The value after the first "=" of the key's line, upper case, blanks
// removed; empty when the key has none. A missing key is added with an
// empty value below the options header (appended with the header when the
// file has none). The header is a line that starts with "[Options]"; a
// comment that mentions it is none.
std::string ReadMsdosOption(TMsdosLines& lines, const std::string& key);

// Sets the key's line to key=value, or adds it as ReadMsdosOption adds keys.
// False when the line was already so.
bool WriteMsdosOption(TMsdosLines& lines, const std::string& key, const std::string& value);

// The value as the page's controls take it.
inline std::string BoolValue(bool on) { return on ? "1" : "0"; }
// A delay: the whole number held within 0..maximum; nothing when the text is
// no number at all.
std::optional<int> DelaySeconds(const std::string& value, int maximum);
// Item of the boot-menu default (0 to 7 for the values 1 to 8, held within).
int BootMenuDefaultItem(const std::string& value);
// Item of the Scandisk choice (0 to 2; negative values and non-numbers give 1).
int AutoScanItem(const std::string& value);
