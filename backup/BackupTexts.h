#pragma once
// Every text the backup page shows, in one place.

#include <string>

namespace BackupTexts {

inline constexpr char kBrowseTitle[] = "Ordner für Sicherung/Wiederherstellung wählen";
inline constexpr char kUnknownDrive[] =
    "Kann Typ des Laufwerks nicht bestimmen, daher ist die Sicherung/Wiederherstellung nicht möglich!";
inline constexpr char kCdRom[] = "Meinen Sie das die Sicherung auf ein CD-ROM sinnvoll ist?";
inline constexpr char kRamDisk[] = "Meinen Sie das die Sicherung auf eine RAM-Disk sinnvoll ist?";

inline constexpr char kNoBackupFolder[] = "Legen Sie zuerst einen Ordner für die Sicherung fest!";
inline constexpr char kNothingToBackUp[] = "Es wurde nichts für die Sicherung ausgewählt!";
inline constexpr char kBackupProgress[] = "Dateien werden gesichert!";
inline constexpr char kBackupFailed[] = "Sicherung fehlgeschlagen!";
inline constexpr char kNoRestoreFile[] =
    "Sicherung erfolgreich abgeschlossen, konnte Wiederherstellungsdatei jedoch nicht erstellen!";
inline constexpr char kBackupDone[] = "Sicherung erfolgreich abgeschlossen!";

inline constexpr char kNoRestoreFolder[] = "Legen Sie zuerst den Ordner mit den Wiederherstellungsdateien fest!";
inline std::string InvalidInfo(const std::string& info) {
  return "Konnte " + info + " nicht finden oder die Datei ist ungültig!";
}
inline std::string NoRestoreInformation(const std::string& info) {
  return "In der Datei " + info + " befinden sich keine Wiederherstellunginformationen.";
}
inline constexpr char kNothingToRestore[] = "Es wurde nichts für die Wiederherstellung ausgewählt!";
inline std::string ForeignDestination(const std::string& key, const std::string& destination) {
  return "Das Ziel " + destination + " passt nicht zum Eintrag " + key +
         " in Trivan.ini. Diese Datei wird nicht wiederhergestellt!";
}
inline std::string MissingCopy(const std::string& copy) {
  return "Die Sicherungskopie " + copy + " wurde nicht gefunden. Diese Datei wird nicht wiederhergestellt!";
}
inline std::string CopyFailed(const std::string& copy, const std::string& destination) {
  return "Konnte " + copy + " nicht nach " + destination + " kopieren. Diese Datei wird nicht wiederhergestellt!";
}
inline constexpr char kRestoreProgress[] = "Stelle Dateien wieder her...";
inline constexpr char kRestoreDoneRestartAdvised[] =
    "Wiederherstellung beendet! Der Rechner sollte neu gestartet werden.";
inline constexpr char kRestoreDone[] = "Wiederherstellung beendet!";
inline constexpr char kNothingRestored[] =
    "Es wurde keine Datei wiederhergestellt, am System wurde nichts geändert.";
inline constexpr char kRestartWarning[] =
    "Der Rechner muß neu gestartet werden! Schließen Sie jetzt ALLE Anwendungen bzw. SICHERN Sie Ihre Daten in den "
    "offenen Anwendungen, Windows wird neugestartet ohne den Anwendungen noch zu erlauben diesen Vorgang "
    "abzubrechen!";
inline constexpr char kRestartFailed[] = "Konnte Windows nicht neustarten! Tun Sie es unbedingt selbst!";

}  // namespace BackupTexts
