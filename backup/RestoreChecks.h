#pragma once
// What a restore makes sure of before it copies a row back. A backup folder
// can come from anywhere (a share, a stick, a download), while the restore
// writes with the rights needed for the Windows folder and the boot root: the
// restore-information file must not be able to steer a copy elsewhere.

#include <string>

// True when destination names the file at homePath: both are compared after
// the file system's own reading of a path (case, "." and "..", forward and
// repeated slashes, short and long folder names, trailing dots and blanks).
// A destination of MAX_PATH characters or more, a relative one, or one with
// wild cards never does.
bool IsHomeFile(const std::string& destination, const std::string& homePath);

// True when path names an existing file (not a folder) that the ANSI calls
// can reach.
bool IsReachableFile(const std::string& path);

// True when the file is held open by another program so that it cannot be
// written now: the one failure that replacing it at the next start mends.
bool IsInUse(const std::string& path);
