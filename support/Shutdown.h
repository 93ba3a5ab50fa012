#pragma once
// Restarting, shutting down and logging off Windows.

#include <string>

// Switches one privilege of the program's own access token on or off; true
// when the token accepted the change. Fails without effect on Windows 9x.
bool SetPrivilege(const std::string& name, bool enable);

// ExitWindowsEx with the shutdown privilege switched on around it; true when
// Windows accepted the request. Only the desktop interaction calls this, so
// that no test can end the session.
bool RequestShutdown(unsigned flags);
