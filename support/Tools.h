#pragma once
// Small helpers shared by the pages.

#include <string>

// True on the NT family (NT, 2000, XP, Vista and later), false on 95, 98 and
// Me. Decided once when the program starts.
extern const bool IsWinNT;

// Removes blanks and control characters (codes up to 32) at both ends.
std::string Trim(const std::string& text);

// Upper case for the letters a to z only: the names of devices and of the
// command interpreter's commands are ASCII, and other letters stay as they are.
std::string AsciiUpper(std::string text);

// The folder with one final backslash: "C:\WINDOWS" gives "C:\WINDOWS\",
// a drive root "C:\" stays as it is.
std::string WithFinalBackslash(std::string folder);

// The part of a path after its last backslash or colon.
std::string ExtractFileName(const std::string& path);

// The path before its file name, with the final backslash (or a drive
// colon); "" for a bare name.
std::string ExtractFilePath(const std::string& path);

// The running program's full path.
std::string ProgramFileName();

// The path with the extension of its file name (from the last dot) replaced
// by extension; a name without a dot gets the extension appended.
std::string ChangeFileExt(const std::string& path, const std::string& extension);

// True when the file or folder exists.
bool FileExists(const std::string& path);
// A read-only file becomes an ordinary archive file, so that it can be
// written; false only when that fails. Other files are left as they are.
bool ClearReadOnly(const std::string& path);
