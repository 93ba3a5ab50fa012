#include "registry/StartupStatus.h"

#include <windows.h>

#include <cstdio>

#include "registry/RunKeyPath.h"
#include "support/WindowsVersion.h"

namespace {

constexpr char kRunSubKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// An unknown or unconvertible time gives nothing.
std::string LocalTimeText(uint64_t utcTime) {
  FILETIME utc = {static_cast<DWORD>(utcTime), static_cast<DWORD>(utcTime >> 32)}, local;
  SYSTEMTIME time;
  if (utcTime == 0 || !FileTimeToLocalFileTime(&utc, &local) || !FileTimeToSystemTime(&local, &time)) return "";
  char text[32];
  std::snprintf(text, sizeof text, "%02u.%02u.%04u %02u:%02u", time.wDay, time.wMonth, time.wYear, time.wHour,
                time.wMinute);
  return text;
}

}  // namespace

std::string StartupStatusText(const TStartupApproval& approval) {
  if (!approval.switchedOff) return "aktiv";
  std::string since = LocalTimeText(approval.switchedOffAt);
  return since.empty() ? "deaktiviert" : "deaktiviert seit " + since;
}

std::optional<TStartupApprovals> RunKeyApprovals(const std::string& keyPath) {
  if (!IsWin8OrLater()) return std::nullopt;
  TRunKeyPath key = ResolveRunKeyPath(keyPath);
  if (lstrcmpiA(key.subKey.c_str(), kRunSubKey) != 0) return std::nullopt;
  if (key.root == HKEY_CURRENT_USER) return TStartupApprovals(HKEY_CURRENT_USER, TApprovalList::Run);
  return TStartupApprovals(HKEY_LOCAL_MACHINE, key.view == KEY_WOW64_32KEY ? TApprovalList::Run32 : TApprovalList::Run);
}

std::optional<TStartupApprovals> StartupFolderApprovals(bool currentUser) {
  if (!IsWin8OrLater()) return std::nullopt;
  return TStartupApprovals(currentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE, TApprovalList::StartupFolder);
}

std::string StartupStatusText(const std::optional<TStartupApprovals>& approvals, const std::wstring& entryName,
                              bool waiting) {
  if (!approvals) return "";
  return waiting ? StartupStatus::kWaiting : StartupStatusText(approvals->Of(entryName));
}

bool SwitchedOff(const std::optional<TStartupApprovals>& approvals, const std::wstring& entryName) {
  return approvals && approvals->Of(entryName).switchedOff;
}
