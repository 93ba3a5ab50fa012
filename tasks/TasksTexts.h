#pragma once
// Every text the page of the scheduled tasks shows, in one place.

#include <cstdio>
#include <string>

#include "tasks/TaskDefinition.h"

namespace TasksTexts {

inline constexpr char kIntro[] =
    "Geplante Tasks, die Windows bei der Anmeldung oder beim Systemstart ausführt. Der Haken schaltet einen "
    "Task über die Aufgabenplanung von Windows ein oder aus; die Änderung wird sofort wirksam.";
inline constexpr char kNoTaskFolder[] =
    "Diese Windows-Version speichert ihre geplanten Tasks nicht als XML-Dateien (erst ab Windows Vista): "
    "Velmora kann sie hier nicht anzeigen.";
inline constexpr char kNo9xTasks[] =
    "Unter Windows 95, 98 und Me zeigt Velmora keine geplanten Tasks: diese Seite gibt es erst ab Windows Vista.";

inline constexpr char kColumnTask[] = "Task";
inline constexpr char kColumnCommand[] = "Befehl";
inline constexpr char kColumnAuthor[] = "Autor";
inline constexpr char kColumnUser[] = "Benutzer";

inline const char* Unreadable(TTaskReading reading) {
  switch (reading) {
    case TTaskReading::NotOpened:
      return "Nicht lesbar: die Datei lässt sich nicht öffnen";
    case TTaskReading::NotWellFormed:
      return "Nicht lesbar: kein gültiges XML";
    case TTaskReading::NotATask:
      return "Nicht lesbar: keine Task-Definition";
    case TTaskReading::Overlong:
      return "Nicht lesbar: ein Wert ist zu lang";
    case TTaskReading::Read:
      break;
  }
  return "";
}

inline std::string ProgramMissing(const std::string& task, const std::string& file) {
  return "Datei für Task \"" + task + "\" nicht gefunden: " + file;
}
inline constexpr char kAllProgramsFound[] = "Die Programmdateien aller angezeigten Tasks sind vorhanden.";

inline std::string NotReadable(const std::string& task) {
  return "Die Definition des Tasks \"" + task + "\" ist nicht lesbar: Velmora schaltet ihn nicht um.";
}
inline std::string NotSwitchable(const std::string& task) {
  return "Die Aufgabenplanung dieses Windows kann den Task \"" + task + "\" nicht von hier aus ein- oder "
         "ausschalten. Velmora ändert seine Datei nicht an der Aufgabenplanung vorbei: der Task bleibt, wie er ist.";
}
inline constexpr char kNotAllowed[] = "Nur Administratoren dürfen diesen Task ein- oder ausschalten.";
inline std::string ChangedMeanwhile(const std::string& task) {
  return "Den Task \"" + task + "\" hat inzwischen ein anderes Programm geändert oder entfernt. Velmora lässt "
         "ihn, wie er ist; die Liste zeigt ihn jetzt so.";
}
inline std::string CannotSwitch(const std::string& task, unsigned long error) {
  char code[16];
  snprintf(code, sizeof code, "%08lX", error);
  return "Die Aufgabenplanung hat die Änderung des Tasks \"" + task + "\" abgelehnt (Fehler 0x" + code +
         "). Der Task bleibt, wie er war.";
}

}  // namespace TasksTexts
