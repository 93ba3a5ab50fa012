#pragma once
// Printing a page's text: the print dialog, then one job per copy.

#include <string>
#include <vector>

namespace PrintTexts {
inline constexpr char kNoPrinter[] = "Konnte nicht auf Drucker zugreifen! Ist überhaupt ein Drucker installiert?";
inline constexpr char kSaveWinIniFirst[] = "Änderungen in Win.ini vor dem Ausdruck speichern?";
inline constexpr char kCannotLoadWinIni[] = "Konnte Win.ini nicht laden. Ausdruck unmöglich!";
}  // namespace PrintTexts

// Nothing happens for a text without lines; otherwise the print dialog
// chooses printer and copies, and each copy is a whole job of its own.
void PrintText(const std::vector<std::string>& lines);
