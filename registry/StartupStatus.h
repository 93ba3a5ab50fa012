#pragma once
// The "Status" column of the Registry and Autostart pages (Windows 8 and
// later): whether Windows starts an entry or has switched it off, and since
// when; and what the pages say when Windows cannot be told to start it again.

#include <optional>
#include <string>

#include "support/StartupApproved.h"

namespace StartupStatus {
inline constexpr char kColumn[] = "Status";
inline constexpr int kColumnWidth = 170;
// An entry waiting where Velmora keeps those it switched off.
inline constexpr char kWaiting[] = "von Velmora deaktiviert";
inline std::string CannotSwitchOnInWindows(const std::string& name) {
  return "Konnte Eintrag \"" + name + "\" in Windows nicht einschalten! Windows startet ihn weiterhin nicht.";
}
}  // namespace StartupStatus

// "aktiv", "deaktiviert", or with the time of switching off in local time,
// "deaktiviert seit 08.12.2026 10:15".
std::string StartupStatusText(const TStartupApproval& approval);

// The column's text for an entry: empty where Windows has no switch for it;
// for one that waits switched off by Velmora (Windows does not see it
// there), that it does.
std::string StartupStatusText(const std::optional<TStartupApprovals>& approvals, const std::wstring& entryName,
                              bool waiting);
// True only for an entry Windows has switched off.
bool SwitchedOff(const std::optional<TStartupApprovals>& approvals, const std::wstring& entryName);

// The switches that apply to the entries of the Run key shown under keyPath
// (a path as the Registry page names it). None before Windows 8, and none
// for keys Windows cannot switch entries of (RunOnce, RunServices and the
// policy keys).
std::optional<TStartupApprovals> RunKeyApprovals(const std::string& keyPath);

// The switches that apply to the shortcuts of a start-up folder, the current
// user's or all users'. None before Windows 8.
std::optional<TStartupApprovals> StartupFolderApprovals(bool currentUser);
