#include "pages/StartupFolder.h"

#include "registry/StartupStatus.h"
#include "support/SwitchedOffEntries.h"
#include "support/SystemLocations.h"
#include "support/Tools.h"
#include "support/WideFiles.h"
#include "support/WideText.h"

namespace {

TFolderEdit Outcome(TFolderOutcome outcome, DWORD error = 0) { return {outcome, error}; }

TFolderEdit LastError() { return Outcome(TFolderOutcome::Failed, GetLastError()); }

std::string ScopeFolder(TStartupScope scope) {
  return WithFinalBackslash(scope == TStartupScope::CurrentUser ? GetUserStartupDir() : GetCommonStartupDir());
}

}  // namespace

TStartupFolder::TStartupFolder(TStartupScope scope) : TStartupFolder(ScopeFolder(scope), scope) {}

TStartupFolder::TStartupFolder(const std::string& folder, TStartupScope scope)
    : folder_(WithFinalBackslash(folder)), scope_(scope) {}

std::wstring TStartupFolder::WaitingFolder() const { return WideFromAnsi(SwitchedOffFolder(folder_)); }

std::wstring TStartupFolder::PlaceOf(const std::wstring& name, bool on) const {
  return (on ? WideFromAnsi(folder_) : WaitingFolder()) + name;
}

std::wstring TStartupFolder::FileOf(const TFolderEntry& entry) const { return PlaceOf(entry.name, entry.on); }

void TStartupFolder::Load() {
  approvals_ = StartupFolderApprovals(scope_ == TStartupScope::CurrentUser);
  entries_.clear();
  for (bool on : {true, false})
    for (std::wstring& name : FileNamesIn(on ? WideFromAnsi(folder_) : WaitingFolder(), L"*.lnk"))
      entries_.push_back({std::move(name), on});
}

bool TStartupFolder::Starts(const TFolderEntry& entry) const {
  return entry.on && !SwitchedOff(approvals_, entry.name);
}

TFolderEdit TStartupFolder::Add(const std::string& name, const std::string& target, const TShellLink& shellLink,
                                bool replace) {
  const TShortcutNameFault fault = ShortcutNameFault(name, !IsWinNT);
  if (fault != TShortcutNameFault::None) return {TFolderOutcome::Refused, 0, fault};
  const std::wstring fileName = WideFromAnsi(name + ".lnk");
  const std::wstring active = PlaceOf(fileName, true), waiting = PlaceOf(fileName, false);
  if (!replace && (PathExists(active) || PathExists(waiting))) return Outcome(TFolderOutcome::NameTaken);
  if (!shellLink.CreateLink(AnsiFromWide(active), target)) return Outcome(TFolderOutcome::Failed, ERROR_CANNOT_MAKE);
  // The new shortcut takes the place of the one waiting too: one name, one entry.
  if (PathExists(waiting) && !DeletePath(waiting)) return LastError();
  RemoveFolderIfEmpty(WaitingFolder());
  return {};
}

TFolderEdit TStartupFolder::Remove(const TFolderEntry& entry) {
  const std::wstring file = FileOf(entry);
  if (!PathExists(file)) return Outcome(TFolderOutcome::Gone, ERROR_FILE_NOT_FOUND);
  if (!DeletePath(file)) return LastError();
  if (!entry.on) RemoveFolderIfEmpty(WaitingFolder());
  return {};
}

TFolderEdit TStartupFolder::Switch(const TFolderEntry& entry, bool on, bool replace) {
  if (entry.on == on) return on ? SwitchOnInWindows(entry.name) : TFolderEdit{};
  TFolderEdit moved = Move(entry, replace);
  if (moved.outcome == TFolderOutcome::Done && on) return SwitchOnInWindows(entry.name);
  return moved;
}

TFolderEdit TStartupFolder::Move(const TFolderEntry& entry, bool replace) {
  const std::wstring from = FileOf(entry), to = PlaceOf(entry.name, !entry.on);
  if (!PathExists(from)) return Outcome(TFolderOutcome::Gone, ERROR_FILE_NOT_FOUND);
  if (PathExists(to)) {
    if (!replace) return Outcome(TFolderOutcome::NameTaken);
    if (!DeletePath(to)) return LastError();
  }
  if (!MakeFolder(WaitingFolder())) return LastError();
  TFolderEdit moved = MovePath(from, to) ? TFolderEdit{} : LastError();
  RemoveFolderIfEmpty(WaitingFolder());
  return moved;
}

// Ticked means started, for Windows too: where its task manager switched
// the shortcut off, Windows is told to start it again.
TFolderEdit TStartupFolder::SwitchOnInWindows(const std::wstring& name) {
  TFolderEdit edit;
  edit.windowsStillOff = SwitchedOff(approvals_, name) && !approvals_->SwitchOn(name);
  return edit;
}
