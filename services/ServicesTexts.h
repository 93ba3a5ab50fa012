#pragma once
// Every text the Dienste page shows, in one place.

#include <string>

namespace ServicesTexts {

inline constexpr char kIntro[] =
    "Dienste, die Windows beim Start von selbst startet. Ohne Haken startet ein Dienst nur noch, wenn ein "
    "Programm ihn anfordert (Starttyp \"Manuell\"); mit Haken bekommt er seinen alten Starttyp zurück. "
    "Die Änderungen werden sofort wirksam.";
inline constexpr char kReadOnly[] =
    "Nur Administratoren dürfen ändern, wie Dienste starten: die Liste kann hier nur angesehen werden.";
inline constexpr char kUnavailable[] =
    "Die Dienstverwaltung von Windows antwortet nicht: die Dienste können nicht angezeigt werden.";
inline constexpr char kNo9xServices[] =
    "Windows 95, 98 und Me kennen keine Dienstverwaltung: ihre Dienste sind die Einträge von RunServices und "
    "RunServicesOnce (HKLM) auf der Seite \"Registry\".";

inline constexpr char kColumnName[] = "Dienst";
inline constexpr char kColumnProgram[] = "Programm";
inline constexpr char kColumnStart[] = "Starttyp";
inline constexpr char kColumnCompany[] = "Hersteller";

inline constexpr char kAutomatic[] = "Automatisch";
inline constexpr char kDelayed[] = "Automatisch (verzögert)";
inline constexpr char kOffByVelmora[] = "Deaktiviert von Velmora";

inline std::string ProgramMissing(const std::string& service, const std::string& file) {
  return "Datei für Dienst \"" + service + "\" nicht gefunden: " + file;
}
inline constexpr char kAllProgramsFound[] = "Die Programmdateien aller angezeigten Dienste sind vorhanden.";

inline std::string ChangedMeanwhile(const std::string& service) {
  return "Den Dienst \"" + service + "\" hat inzwischen ein anderes Programm geändert oder entfernt. Velmora lässt "
         "ihn, wie er ist; die Liste zeigt ihn jetzt so.";
}
inline std::string NotEditable(const std::string& service) {
  return "Der Name des Dienstes \"" + service + "\" enthält Zeichen, die Velmora hier nicht schreiben kann: "
         "er bleibt, wie er ist.";
}
inline std::string CannotRemember(const std::string& service, unsigned long error) {
  return "Velmora konnte den Starttyp des Dienstes \"" + service + "\" nicht sichern (Fehler " +
         std::to_string(error) + "). Der Dienst startet weiter wie bisher.";
}
inline std::string CannotChange(const std::string& service, unsigned long error) {
  return "Windows hat die Änderung des Dienstes \"" + service + "\" abgelehnt (Fehler " + std::to_string(error) +
         "). Der Dienst startet weiter wie bisher.";
}

}  // namespace ServicesTexts
