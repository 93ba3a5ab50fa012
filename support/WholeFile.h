#pragma once
#include <string>

enum class TWriteResult { Written, NotCreated, Incomplete };

// Creates (or empties) the file and writes all the bytes into it.
TWriteResult WriteWholeFile(const std::string& path, const std::string& bytes);
