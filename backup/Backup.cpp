// "Sicherung": the checked files copied into the folder in one shell copy,
// then the restore-information file that tells where each belongs. Copies
// and file are first made under pending names beside their places and put
// in place only when all of them are complete: a backup that fails (a full
// disk, a file in use) leaves the earlier backup in the folder whole.
#include <windows.h>

#include "backup/BackupPage.h"
#include "backup/BackupSet.h"
#include "backup/BackupTexts.h"
#include "support/FileCopy.h"
#include "support/FileReplace.h"
#include "support/SystemLocations.h"
#include "support/Tools.h"
#include "support/WholeFile.h"
#include "toolkit/Interaction.h"

namespace {

std::string Pending(const std::string& path) { return path + ".$$$"; }

void DeletePending(const std::vector<std::string>& places) {
  for (const std::string& place : places) DeleteFileA(Pending(place).c_str());
}

bool MoveIntoPlace(const std::string& place) {
  return ReplaceWithFile(Pending(place), place);
}

enum class TBackupOutcome { Done, Failed, NoRestoreFile };

TBackupOutcome WriteBackup(HWND owner, const std::vector<TBackupPair>& pairs, const std::string& info) {
  std::vector<std::string> sources, copies, pendingCopies;
  for (const TBackupPair& pair : pairs) {
    sources.push_back(pair.source);
    copies.push_back(pair.copy);
    pendingCopies.push_back(Pending(pair.copy));
  }
  bool placed = CopyFilesPaired(owner, sources, pendingCopies, BackupTexts::kBackupProgress) &&
                WriteWholeFile(Pending(info), RestoreInformationText(pairs)) == TWriteResult::Written;
  // A read-only copy is replaced, as the shell's copy replaced it; a
  // read-only Trivan.ini is refused, as creating it is.
  for (size_t i = 0; placed && i < copies.size(); ++i) placed = ClearReadOnly(copies[i]) && MoveIntoPlace(copies[i]);
  if (!placed) {
    copies.push_back(info);
    DeletePending(copies);
    return TBackupOutcome::Failed;
  }
  if (!MoveIntoPlace(info)) {
    DeletePending({info});
    return TBackupOutcome::NoRestoreFile;
  }
  return TBackupOutcome::Done;
}

}  // namespace

void TBackupPage::BackupBtnClick() {
  if (FolderEdit.Text().empty()) {
    ShowError(BackupTexts::kNoBackupFolder);
    return;
  }
  host_.askToSaveChangedPages();
  const std::string folder = NormaliseBackupFolder(FolderEdit.Text());
  TPageControlBusy busy(host_.pages);
  std::vector<TBackupPair> pairs;
  const std::vector<bool> checked = CheckedRows();
  for (size_t i = 0; i < checked.size(); ++i)
    if (checked[i])
      pairs.push_back({HomePath(kBackupSet[i], GetWinDir(), GetBootDir()), folder + "\\" + kBackupSet[i].storedName});
  if (pairs.empty()) {
    ShowError(BackupTexts::kNothingToBackUp);
    return;
  }
  switch (WriteBackup(GetAncestor(Handle(), GA_ROOT), pairs, folder + "\\Trivan.ini")) {
    case TBackupOutcome::Done:
      ShowInfo(BackupTexts::kBackupDone);
      break;
    case TBackupOutcome::Failed:
      ShowError(BackupTexts::kBackupFailed);
      break;
    case TBackupOutcome::NoRestoreFile:
      ShowError(BackupTexts::kNoRestoreFile);
      break;
  }
}
