#pragma once
// The main window's tabs: captions, icons and the page numbers derived
// from them.

#include <iterator>
#include <string_view>

struct TPageTab {
  const char* caption;
  int image;
};

// The sixteen pages in tab order; the index is also the page's number. The
// services, the scheduled tasks and the further places follow the other
// places Windows starts programs from at logon, before the files of the old
// Windows versions.
inline constexpr TPageTab kPageTabs[] = {
    {"Info", 0},          {"Registry", 1},      {"Autostart", 2},    {"Dienste", 1},      {"Geplante Tasks", 1},
    {"Weitere Orte", 1},  {"Win.ini", 3},       {"System.ini", 3},   {"Control.ini", 3},  {"Winstart.bat", 4},
    {"Dosstart.bat", 4},  {"Autoexec.bat", 4},  {"Config.sys", 5},   {"msdos.sys", 5},    {"Sich./Wiederh.", 6},
    {"Neustart", 7},
};
inline constexpr int kPageCount = static_cast<int>(std::size(kPageTabs));

// A page's number by its caption, so that a new tab moves every number with it.
constexpr int PageIndex(std::string_view caption) {
  for (int i = 0; i < kPageCount; ++i)
    if (caption == kPageTabs[i].caption) return i;
  throw "no page with that caption";
}
inline constexpr int kInfoPage = PageIndex("Info");
inline constexpr int kRegistryPage = PageIndex("Registry");
inline constexpr int kAutostartPage = PageIndex("Autostart");
inline constexpr int kServicesPage = PageIndex("Dienste");
inline constexpr int kTasksPage = PageIndex("Geplante Tasks");
inline constexpr int kFurtherPlacesPage = PageIndex("Weitere Orte");
inline constexpr int kWinIniPage = PageIndex("Win.ini");
inline constexpr int kMsdosPage = PageIndex("msdos.sys");
inline constexpr int kBackupPage = PageIndex("Sich./Wiederh.");
inline constexpr int kRestartPage = PageIndex("Neustart");
