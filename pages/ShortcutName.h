#pragma once
// Whether a name the user typed can name a shortcut file of the start-up
// folder: the file is the folder, the name and ".lnk", so a name must stay a
// single file name inside that folder and must not name a device.

#include <string>

enum class TShortcutNameFault {
  None,
  // CON, PRN, AUX, NUL, COM1-9, LPT1-9 (and CLOCK$ on the 9x family), also
  // with an extension, in any case: Windows opens the device, no file.
  DeviceName,
  // A backslash, a slash or "..": the shortcut would land in another folder.
  LeavesFolder,
  // ? * : " < > | or a control character, which no file name holds.
  ForbiddenCharacter,
};

TShortcutNameFault ShortcutNameFault(const std::string& name, bool win9x);
