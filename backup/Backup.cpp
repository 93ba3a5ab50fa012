// "Sicherung": the checked files copied into the folder in one shell copy,
// then the restore-information file that tells where each belongs.
#include "backup/BackupPage.h"
#include "backup/BackupSet.h"
#include "backup/BackupTexts.h"
#include "support/FileCopy.h"
#include "support/SystemLocations.h"
#include "support/WholeFile.h"
#include "toolkit/Interaction.h"

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
  std::vector<std::string> sources, copies;
  for (const TBackupPair& pair : pairs) {
    sources.push_back(pair.source);
    copies.push_back(pair.copy);
  }
  if (!CopyFilesPaired(GetAncestor(Handle(), GA_ROOT), sources, copies, BackupTexts::kBackupProgress)) {
    ShowError(BackupTexts::kBackupFailed);
    return;
  }
  if (WriteWholeFile(folder + "\\Trivan.ini", RestoreInformationText(pairs)) != TWriteResult::Written) {
    ShowError(BackupTexts::kNoRestoreFile);
    return;
  }
  ShowInfo(BackupTexts::kBackupDone);
}
