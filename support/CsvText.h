#pragma once
// Rows of text fields separated by ';' and quoted as RFC 4180 quotes them:
// the form that spreadsheets and PowerShell's Import-Csv -Delimiter ';' read.
// The fields are bytes (UTF-8 for the entry lists); nothing is converted.

#include <string>
#include <string_view>
#include <vector>

using TCsvRow = std::vector<std::string>;

// One row with CR LF at its end; a field holding ';', '"', CR or LF is put
// in quotes with its quotes doubled, every other field is written as it is.
std::string CsvLine(const TCsvRow& fields);

// Every row of the text. A row ends with CR LF or LF (the last one may end
// without); CR and LF inside quotes belong to the field. False, with rows
// undefined, when the text is not such rows: a quote inside an unquoted
// field, a quote left open, text after a closing quote.
bool ParseCsv(std::string_view text, std::vector<TCsvRow>& rows);
