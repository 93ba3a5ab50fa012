#include "pages/ShortcutName.h"

#include <algorithm>
#include <string_view>

#include "support/Tools.h"

namespace {

// Windows takes the part before the first dot, without the blanks before it,
// for the device: "nul.txt" and "COM1 .lnk" are devices too.
std::string DevicePart(const std::string& name) {
  std::string part = name.substr(0, name.find('.'));
  part.erase(part.find_last_not_of(' ') + 1);
  return AsciiUpper(part);
}

bool IsDeviceName(const std::string& name, bool win9x) {
  const std::string part = DevicePart(name);
  if (part == "CON" || part == "PRN" || part == "AUX" || part == "NUL") return true;
  if (win9x && part == "CLOCK$") return true;
  return part.size() == 4 && (part.compare(0, 3, "COM") == 0 || part.compare(0, 3, "LPT") == 0) &&
         part[3] >= '1' && part[3] <= '9';
}

bool HasForbiddenCharacter(const std::string& name) {
  return std::any_of(name.begin(), name.end(), [](unsigned char c) {
    return c < 32 || std::string_view("?*:\"<>|").find(static_cast<char>(c)) != std::string_view::npos;
  });
}

}  // namespace

TShortcutNameFault ShortcutNameFault(const std::string& name, bool win9x) {
  if (name.find_first_of("\\/") != std::string::npos || name.find("..") != std::string::npos)
    return TShortcutNameFault::LeavesFolder;
  if (HasForbiddenCharacter(name)) return TShortcutNameFault::ForbiddenCharacter;
  if (IsDeviceName(name, win9x)) return TShortcutNameFault::DeviceName;
  return TShortcutNameFault::None;
}
