#pragma once
// What the user is told when the help cannot be shown: why, and what can be
// done about it. The program itself never changes the machine's HTML Help
// security settings.

#include <string>

namespace HelpTexts {

inline constexpr char kNoLibrary[] =
    "Die Hilfe kann nicht angezeigt werden: Die HTML-Hilfe von Windows (hhctrl.ocx) ist auf diesem Rechner nicht "
    "installiert. Ein Administrator kann sie nachinstallieren.";
inline std::string FileMissing(const std::string& file) {
  return "Die Hilfe kann nicht angezeigt werden: Die Hilfedatei " + file +
         " wurde nicht gefunden. Ein Administrator kann Velmora neu installieren, damit die Hilfedatei wieder neben "
         "dem Programm liegt.";
}
inline std::string FileRefused(const std::string& file) {
  return "Die Hilfe kann nicht angezeigt werden: Die HTML-Hilfe von Windows öffnet die Hilfedatei " + file +
         " nicht. Meist sperren ihre Sicherheitseinstellungen Hilfedateien, die auf einem Netzlaufwerk oder im "
         "Internet liegen. Starten Sie Velmora von einem lokalen Laufwerk, oder lassen Sie einen Administrator "
         "diesen Ordner unter HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\HTMLHelp\\1.x\\ItssRestrictions im Wert "
         "UrlAllowList freigeben.";
}

}  // namespace HelpTexts
