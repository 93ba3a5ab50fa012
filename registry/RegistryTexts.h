#pragma once
// Every text the Registry page and its entry dialog show, in one place.

#include <string>

namespace RegistryTexts {

inline std::string SaveKeyQuestion(const std::string& keyPath) {
  return "Änderungen in die Windows-Registrierung Schlüssel " + keyPath + " speichern?";
}
inline std::string DiscardQuestion(const std::string& keyPath) { return "Änderungen für " + keyPath + " verwerfen?"; }
inline constexpr char kSaved[] = "Speicherung abgeschlossen!";
// The user's changes a save left as they were, one line each, and why.
inline std::string SavedWithKept(const std::string& keptLines) {
  return std::string(kSaved) + "\r\n\r\nNicht gespeichert:\r\n" + keptLines;
}
inline std::string KeptForOtherProgram(const std::string& name) {
  return "\"" + name + "\": Die Änderung des anderen Programms bleibt erhalten.\r\n";
}
inline std::string KeptForValueNotText(const std::string& name) {
  return "\"" + name + "\": Dort steht ein Wert dieses Namens, der kein Text ist; er wird nicht überschrieben.\r\n";
}
inline std::string KeptForNameTaken(const std::string& name) {
  return "\"" + name + "\": Der Eintrag dieses Namens, den er ersetzen sollte, bleibt erhalten.\r\n";
}
inline std::string CannotRemoveValue(const std::string& name) {
  return "Konnte Wert " + name + " nicht entfernen! Der Eintrag verbleibt in der Registrierung.";
}
inline std::string CannotWriteValue(const std::string& name) {
  return "Konnte Wert " + name + " nicht in Registrierung schreiben!";
}
// The comment line of an export that leaves switched-off entries out.
inline constexpr char kSwitchedOffNotExported[] =
    "Nur eingeschaltete Einträge; ausgeschaltete Einträge sind nicht enthalten.";

// A value another program added, changed or removed since the key was loaded.
inline std::string ShownName(const std::string& name) { return name.empty() ? "(Standard)" : name; }
inline std::string AddedElsewhere(const std::string& name) { return "hinzugefügt: " + ShownName(name) + "\r\n"; }
inline std::string ChangedElsewhere(const std::string& name) { return "geändert: " + ShownName(name) + "\r\n"; }
inline std::string RemovedElsewhere(const std::string& name) { return "entfernt: " + ShownName(name) + "\r\n"; }
inline std::string KeyChangedElsewhere(const std::string& keyPath, const std::string& changeLines) {
  return "Der Schlüssel " + keyPath + " wurde seit dem Laden von einem anderen Programm geändert:\r\n" + changeLines;
}
inline constexpr char kOtherChangesKept[] =
    "\r\nDiese Änderungen bleiben erhalten. Die Liste zeigt nach dem Speichern den aktuellen Inhalt des Schlüssels.";
inline std::string OverwriteQuestion(const std::string& names) {
  return "\r\nIhre Änderungen an " + names +
         " würden diese Änderungen überschreiben. Trotzdem überschreiben?\r\n(Nein: Diese Einträge bleiben, wie "
         "das andere Programm sie hinterlassen hat; Ihre übrigen Änderungen werden gespeichert.)";
}

// Values whose name or data the ANSI code page cannot carry (NT family).
inline std::string NotEditableHere(const std::string& name) {
  return "Der Eintrag \"" + ShownName(name) +
         "\" enthält Zeichen, die hier nur als \"?\" angezeigt werden können. Er kann hier weder geändert noch "
         "entfernt werden; beim Speichern bleibt er unverändert.";
}
inline std::string NameOfEntryNotEditableHere(const std::string& name) {
  return "Der Name \"" + ShownName(name) +
         "\" gehört zu einem Eintrag mit Zeichen, die hier nicht bearbeitet werden können. Der Eintrag wurde nicht "
         "übernommen.";
}

// A value of that name that is no text (a number, bytes) stands where the
// entry would go.
inline std::string NameOfValueNotText(const std::string& name) {
  return "Unter dem Namen \"" + ShownName(name) +
         "\" steht dort bereits ein Wert, der kein Text ist. Er wird nicht überschrieben; die Änderung wurde nicht "
         "übernommen.";
}

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
inline std::string NotCheckableHere(const std::string& name) {
  return "Der Eintrag \"" + ShownName(name) +
         "\" enthält Zeichen, die hier nur als \"?\" angezeigt werden können. Seine Datei kann hier nicht "
         "geprüft werden.";
}

inline std::string NotExported(const std::string& names) {
  return "Nicht exportiert: " + names + ". Diese Einträge enthalten Zeichen, die eine REGEDIT4-Datei nicht "
         "aufnehmen kann.";
}
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
