#pragma once
// Every text the Registry page and its entry dialog show, in one place.

#include <string>

namespace RegistryTexts {

inline std::string SaveKeyQuestion(const std::string& keyPath) {
  return "Änderungen in die Windows-Registrierung Schlüssel " + keyPath + " speichern?";
}
inline std::string DiscardQuestion(const std::string& keyPath) { return "Änderungen für " + keyPath + " verwerfen?"; }
inline constexpr char kSaved[] = "Speicherung abgeschlossen!";

inline std::string RemoveQuestion(const std::string& name) { return name + " wirklich entfernen?"; }
inline constexpr char kSystemTrayWarning[] =
    "Diese Anwendung sollten Sie nicht entfernen, sie wird benötigt um den Bereich neben der Uhr anzuzeigen. "
    "Anwendungen legen in diesem Bereich oft Anwendungssymbole ab, damit sie einfacher geöffnet werden können."
    "\r\rWirklich entfernen?";
inline constexpr char kTaskMonitorWarning[] =
    "Diese Anwendung sollten Sie nicht entfernen. Defrag benötigt diese Datei, um festzustellen welche "
    "Anwendungen Sie oft starten.\r\rWirklich entfernen?";
inline constexpr char kMorvaneNote[] = "Sie möchten Morvane entfernen? Tun Sie mir das nicht an.:-)";

inline std::string MissingProgram(const std::string& name) {
  return "Datei für Zeichenkette: \"" + name + "\" nicht gefunden!";
}
inline constexpr char kAllFound[] = "Alle Dateiangaben sind korrekt!";

inline constexpr char kNothingToExport[] = "Es kann nichts exportiert werden, da die Liste leer ist!";
inline std::string CannotCreate(const std::string& fileName) { return "Kann Datei " + fileName + " nicht anlegen."; }
inline std::string CannotWrite(const std::string& fileName) {
  return "Kann Datei " + fileName + " nicht vollständig schreiben. Die Datei ist unbrauchbar.";
}
inline std::string NameWithLineBreak(const std::string& name) {
  return "Der Eintrag \"" + name +
         "\" enthält einen Zeilenumbruch im Namen und kann nicht in eine Reg-Datei exportiert werden. "
         "Es wurde nichts exportiert.";
}

inline constexpr char kAddCaption[] = "Eintrag hinzufügen";
inline constexpr char kEditCaption[] = "Eintrag ändern";

}  // namespace RegistryTexts
