#pragma once
#include <string>

enum class TWriteResult { Written, NotCreated, Incomplete };

// Creates (or empties) the file and writes all the bytes into it.
TWriteResult WriteWholeFile(const std::string& path, const std::string& bytes);

// All the file's bytes. False when it cannot be opened or read.
bool ReadWholeFile(const std::string& path, std::string& bytes);

// The same by a name that may have no ANSI form (the NT family's wide
// functions; the 9x family's names all have one).
TWriteResult WriteWholeFile(const std::wstring& path, const std::string& bytes);
bool ReadWholeFile(const std::wstring& path, std::string& bytes);

// Adds the bytes at the file's end; a missing file is created. False on failure.
bool AppendToFile(const std::string& path, const std::string& bytes);
