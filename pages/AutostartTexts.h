#pragma once
// Every text the Autostart page shows, in one place.

#include <string>

namespace AutostartTexts {

inline constexpr char kCurrentUserHint[] = "Autostart-Eintärge des aktuell angemeldeten Nutzers";
inline constexpr char kAllUsersHint[] = "Autostart-Einträge des Ordner des Ordners \"All Users\"";
inline constexpr char kAddHint[] = "Eintrag hinzufügen";
inline constexpr char kDeleteHint[] = "Eintrag entfernen";
inline constexpr char kColumn[] = "Verknüpfung";

inline constexpr char kOpenFilter[] = "Anwendungen(*.exe)|*.exe|Alle Dateien(*.*)|*.*";
inline constexpr char kAddCaption[] = "Eintrag zum Autostart-Ordner hinzufügen";
inline constexpr char kAddPrompt[] = "Name der Verknüpfung (erforderlich!)";

inline std::string DeleteQuestion(const std::string& caption) {
  return "Verknüpfung " + caption + " wirklich entfernen?";
}
inline constexpr char kCannotDelete[] =
    "Konnte Eintrag nicht löschen, wahrscheinlich wurden spezielle Attribute gesetzt, die das Löschen verbieten!";

inline constexpr char kCheckNote[] = "Windows gibt eine Fehlermeldung aus, falls eine Verknüpfung nicht korrekt ist!";
inline std::string TargetNotFound(const std::string& caption) {
  return "Datei für Verknüpfung: \"" + caption + "\" nicht gefunden!";
}

}  // namespace AutostartTexts
