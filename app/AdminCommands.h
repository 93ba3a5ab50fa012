#pragma once
// The commands of the command line, run without a window.

#include "app/CommandLine.h"

// Carries out a command other than Window and gives the program's exit
// code: 0 all well (no program missing, nothing changed), 1 a program
// missing or something changed, 2 the command could not be carried out.
int RunAdminCommand(const TAdminCommand& command);

namespace AdminCommandTexts {
std::string CannotWrite(const std::string& fileName);
std::string CannotRead(const std::string& fileName);
std::string NotAList(const std::string& fileName);
inline constexpr const char* kNoStandardOutput =
    "Es gibt keine Standardausgabe, in die Velmora schreiben könnte. Geben Sie eine Datei an: "
    "velmora.exe /liste DATEI";
inline constexpr const char* kStandardOutputFailed = "Konnte nicht in die Standardausgabe schreiben.";
}  // namespace AdminCommandTexts
