#pragma once
// The switches for administrators: "/liste [DATEI]", "/vergleich ALT [DATEI]"
// and "/?". Without a switch the program opens its window.

#include <string>
#include <vector>

enum class TAdminCommandKind { Window, List, Compare, Usage, Invalid };

struct TAdminCommand {
  TAdminCommandKind kind = TAdminCommandKind::Window;
  std::wstring previousList;  // ALT of "/vergleich"
  std::wstring output;        // DATEI; empty: standard output
  std::string error;          // why an Invalid command line is one
};

// The arguments after the program's name, split as the C runtime splits
// them: blanks separate, quotes group, a backslash escapes a quote.
std::vector<std::wstring> CommandLineArguments(const std::wstring& commandLine);

TAdminCommand ParseCommand(const std::vector<std::wstring>& arguments);

namespace CommandLineTexts {
inline constexpr const char* kUsage =
    "Velmora, Befehle für Administratoren:\r\n"
    "  velmora.exe /liste [DATEI]\r\n"
    "      schreibt jeden Start-Eintrag als Liste (UTF-8, Felder durch \";\" getrennt)\r\n"
    "      in DATEI oder in die Standardausgabe.\r\n"
    "      Rückgabewert 0: alle Programmdateien vorhanden, 1: mindestens eine fehlt.\r\n"
    "  velmora.exe /vergleich ALT [DATEI]\r\n"
    "      vergleicht die Einträge mit der Liste ALT und schreibt, was neu, entfernt\r\n"
    "      oder geändert ist. Rückgabewert 0: keine Änderung, 1: Änderungen.\r\n"
    "  velmora.exe /?\r\n"
    "      zeigt diese Hilfe.\r\n"
    "Rückgabewert 2: falscher Aufruf, Datei nicht lesbar oder nicht schreibbar.\r\n"
    "Ohne Schalter öffnet Velmora sein Fenster.\r\n";
std::string UnknownSwitch(const std::string& argument);
inline constexpr const char* kCompareNeedsList = "/vergleich: Die Datei der alten Liste fehlt.";
std::string TooManyArguments(const std::string& theSwitch);
}  // namespace CommandLineTexts
