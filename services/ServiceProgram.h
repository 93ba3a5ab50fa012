#pragma once
// The program file a service runs, and who made it.

#include <string>

// The file an ImagePath names: quoted or not, with arguments or not, with
// environment variables, "\SystemRoot\", "\??\" or relative to the Windows
// folder ("System32\..."), as the service manager reads it.
std::wstring ServiceProgramFile(const std::wstring& imagePath);

// The company in the file's version resource, in its first language; empty
// when it has none.
std::wstring CompanyOf(const std::wstring& file);

// A service of Windows itself: its program lies in the Windows folder and
// the system's maker made it. Either alone is no proof: installers put
// their services into System32, and the maker's runtime comes with many
// programs.
bool BelongsToWindows(const std::wstring& programFile, const std::wstring& company);
