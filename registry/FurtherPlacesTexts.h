#pragma once
// Every text the page of the further places shows, in one place.

#include <string>

#include "registry/FurtherPlaces.h"

namespace FurtherPlacesTexts {

inline constexpr char kCaption[] =
    "Weitere Orte, von denen Windows Programme startet (nur Anzeige, hier nicht änderbar)";
inline constexpr char kNotOnThisFamily[] = "Diese Orte gibt es nur unter Windows NT, 2000, XP und neuer.";

inline const char* Warning(TFurtherWarning warning) {
  switch (warning) {
    case TFurtherWarning::None:
      return "";
    case TFurtherWarning::NotWindowsShell:
      return "Windows: explorer.exe";
    case TFurtherWarning::NotWindowsUserinit:
      return "Windows: userinit.exe des Systemordners";
    case TFurtherWarning::NotFromWindows:
      return "Nicht von Windows";
    case TFurtherWarning::AppInitLoaded:
      return "In jedes Programm geladen";
    case TFurtherWarning::AppInitNotLoaded:
      return "Nicht geladen (LoadAppInit_DLLs ist 0)";
    case TFurtherWarning::Debugger:
      return "Startet statt des Programms";
    case TFurtherWarning::BootExecute:
      return "Mehr als autocheck autochk *";
  }
  return "";
}

}  // namespace FurtherPlacesTexts
