#pragma once
// Windows 8 and later switch a start-up entry off without removing it: a
// binary value named like the entry, under
// Software\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved\<list>
// of HKEY_CURRENT_USER or HKEY_LOCAL_MACHINE (always the 64-bit view). Its
// first byte tells whether the entry starts (02; Windows also writes 06) or
// not (03; also 01 and 07: an odd byte is off), bytes 4 to 11 the time it was
// switched off, a FILETIME in UTC. An entry without such a value starts.

#include <windows.h>

#include <cstdint>
#include <map>
#include <string>

// Which entries a list is for: the Run key (the machine's native view, or
// the user's), the machine's Run key of the 32-bit view, a start-up folder.
enum class TApprovalList { Run, Run32, StartupFolder };

struct TStartupApproval {
  bool switchedOff = false;
  // When it was switched off: 100-ns steps since 1601 (a FILETIME), UTC;
  // 0 when the value does not say.
  uint64_t switchedOffAt = 0;
};

// The state a value's bytes give.
TStartupApproval DecodeStartupApproval(const std::string& bytes);

// The key of a list below its root.
std::string StartupApprovedSubKey(TApprovalList list);

// The states of one list's entries, read once. Windows 8 and later only,
// so the names are handled wide: a shortcut's may have no ANSI form.
class TStartupApprovals {
 public:
  // Reads every value of the list; a missing key means every entry starts.
  TStartupApprovals(HKEY root, TApprovalList list);

  // The state of the entry of that name (compared without regard to case,
  // as the registry compares names).
  TStartupApproval Of(const std::wstring& entryName) const;

  // Lets Windows start the entry again, as its task manager does: the value
  // becomes 02 and eleven zero bytes. False when it cannot be written (the
  // machine's lists need an administrator); error then tells why.
  bool SwitchOn(const std::wstring& entryName, LONG* error = nullptr);

 private:
  HKEY root_;
  TApprovalList list_;
  std::map<std::wstring, TStartupApproval> byUpperName_;
};
