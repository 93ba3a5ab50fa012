#pragma once
// The program file that a command line starts.

#include <string>

// Steps on a command line whose environment variables are already expanded:
// a leading quoted path is the program; otherwise everything before the last
// blank or TAB (or the whole line when there is none). Only the last argument
// is cut away, so an unquoted path with blanks keeps all but its last part.
std::string ProgramFileOf(const std::string& expandedCommandLine);

// The program file of a command line: empty for a blank line; environment
// variables expanded (left as written when the expansion would not fit the
// 260-character buffer), then ProgramFileOf.
std::string ExtractProgramFile(const std::string& commandLine);

// True when the file is found as given (a path) or along the search order of
// the system (a bare name); no extension is added.
bool ProgramFileExists(const std::string& fileName);

// The same for text that may have characters the ANSI code page lacks.
std::wstring ExtractProgramFile(const std::wstring& commandLine);
bool ProgramFileExists(const std::wstring& fileName);
