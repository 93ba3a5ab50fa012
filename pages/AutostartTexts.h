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

inline std::string CannotMove(const std::string& name) {
  return "Konnte Eintrag \"" + name + "\" nicht verschieben! Er bleibt, wo er war.";
}
inline std::string Gone(const std::string& name) {
  return "Die Verknüpfung \"" + name + "\" gibt es nicht mehr, ein anderes Programm hat sie wohl entfernt. "
         "Die Liste zeigt den Ordner, wie er jetzt ist.";
}

// A name typed for a new shortcut that cannot name one.
inline std::string DeviceName(const std::string& name) {
  return "Der Name \"" + name + "\" ist unter Windows einem Gerät vorbehalten (CON, PRN, AUX, NUL, COM1 bis COM9, "
         "LPT1 bis LPT9) und kann keine Verknüpfung benennen. Es wurde nichts angelegt.";
}
inline std::string LeavesFolder(const std::string& name) {
  return "Der Name \"" + name + "\" enthält \\, / oder \"..\" und würde die Verknüpfung außerhalb des "
         "Autostart-Ordners anlegen. Es wurde nichts angelegt.";
}
inline std::string ForbiddenCharacter(const std::string& name) {
  return "Der Name \"" + name + "\" enthält ein Zeichen, das in keinem Dateinamen stehen kann "
         "(? * : \" < > |). Es wurde nichts angelegt.";
}

}  // namespace AutostartTexts
