#pragma once
// The shortcuts of one start-up folder as the Autostart page shows them: those
// in the folder, those switched off that wait in its sub-folder, and Windows'
// own switch of each. Loading only reads. Every edit acts on the folder at
// once and says what it met; where a shortcut of the name is already there it
// changes nothing until the caller, having asked, edits again with replace.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "pages/ShortcutName.h"
#include "support/SheLink.h"
#include "support/StartupApproved.h"

enum class TStartupScope { CurrentUser, AllUsers };

struct TFolderEntry {
  // The file's name as the folder lists it ("Editor.lnk"), whatever script
  // it is in.
  std::wstring name;
  // In the folder; false while it waits in the sub-folder.
  bool on = true;
};

enum class TFolderOutcome {
  Done,
  // A shortcut of that name is already where the edit would put it (in the
  // folder or waiting in the sub-folder): nothing changed.
  NameTaken,
  // The shortcut is no longer where it was listed: nothing changed.
  Gone,
  // The name cannot name a shortcut of the folder (see fault): nothing written.
  Refused,
  // The file system refused (see error); every shortcut is where it was.
  Failed,
};

struct TFolderEdit {
  TFolderOutcome outcome = TFolderOutcome::Done;
  DWORD error = 0;
  TShortcutNameFault fault = TShortcutNameFault::None;
  // Switched on, but Windows could not be told to start it again.
  bool windowsStillOff = false;
};

class TStartupFolder {
 public:
  // The folder of the scope as the system names it.
  explicit TStartupFolder(TStartupScope scope);
  // Any folder, with Windows' switches of the scope's shortcuts.
  TStartupFolder(const std::string& folder, TStartupScope scope);

  // Reads the folder, its sub-folder and Windows' switches again: files
  // only, in the order listed, the folder's first.
  void Load();

  // With a final backslash.
  const std::string& Folder() const { return folder_; }
  const std::vector<TFolderEntry>& Entries() const { return entries_; }
  const std::optional<TStartupApprovals>& Approvals() const { return approvals_; }
  // Started at logon: in the folder and not switched off by Windows.
  bool Starts(const TFolderEntry& entry) const;
  std::wstring FileOf(const TFolderEntry& entry) const;

  // A shortcut name + ".lnk" to target; replace lets it take the place of a
  // shortcut of that name in the folder or in the sub-folder.
  TFolderEdit Add(const std::string& name, const std::string& target, const TShellLink& shellLink,
                  bool replace = false);
  TFolderEdit Remove(const TFolderEntry& entry);
  // Moves the shortcut into the sub-folder (off) or back (on), bytes and
  // attributes unchanged; switching on also lets Windows start it where it
  // had switched it off.
  TFolderEdit Switch(const TFolderEntry& entry, bool on, bool replace = false);

 private:
  std::wstring WaitingFolder() const;
  std::wstring PlaceOf(const std::wstring& name, bool on) const;
  TFolderEdit Move(const TFolderEntry& entry, bool replace);
  TFolderEdit SwitchOnInWindows(const std::wstring& name);

  std::string folder_;
  TStartupScope scope_;
  std::optional<TStartupApprovals> approvals_;
  std::vector<TFolderEntry> entries_;
};
