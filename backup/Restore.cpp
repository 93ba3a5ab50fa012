// "Wiederherstellung": each listed copy back to where it came from, one file
// at a time; what cannot be replaced now is replaced at the next start, and
// Windows is then restarted by force.
#include <windows.h>

#include "backup/BackupPage.h"
#include "backup/BackupSet.h"
#include "backup/BackupTexts.h"
#include "backup/RestoreInformation.h"
#include "support/FileCopy.h"
#include "support/MyTools.h"
#include "support/Tools.h"
#include "support/WininitFile.h"
#include "toolkit/Interaction.h"

namespace {

constexpr unsigned kForcedRestart = EWX_REBOOT | EWX_FORCE;

struct TRestorePair {
  std::string key, copy, destination;
};

bool SameName(const std::string& a, const std::string& b) { return lstrcmpiA(a.c_str(), b.c_str()) == 0; }

// The file's keys of the checked rows, spelled as in the file, in row order.
std::vector<std::string> SelectedKeys(const std::vector<std::string>& keys, const std::vector<bool>& checked) {
  std::vector<std::string> selected;
  for (size_t row = 0; row < checked.size(); ++row) {
    if (!checked[row]) continue;
    for (const std::string& key : keys)
      if (SameName(key, kBackupSet[row].storedName)) {
        selected.push_back(key);
        break;
      }
  }
  return selected;
}

// A restore-information file may come from anywhere: a destination must be
// a file of the key's own name, or the copy could overwrite any file at all.
std::vector<TRestorePair> RestorePairs(const std::string& info, const std::string& folder,
                                       const std::vector<std::string>& selected) {
  std::vector<TRestorePair> pairs;
  for (const std::string& key : selected) {
    const std::string destination = IniValue(info, "BACKUP", key);
    if (destination.empty()) continue;
    if (!SameName(ExtractFileName(destination), key)) {
      ShowError(BackupTexts::ForeignDestination(key, destination));
      continue;
    }
    pairs.push_back({key, folder + "\\" + key, destination});
  }
  return pairs;
}

}  // namespace

void TBackupPage::RestoreBtnClick() {
  if (FolderEdit.Text().empty()) {
    ShowError(BackupTexts::kNoRestoreFolder);
    return;
  }
  const std::string folder = NormaliseBackupFolder(FolderEdit.Text());
  const std::string info = folder + "\\Trivan.ini";
  if (!FileExists(info) || MyTools.FileSizeOf(info) <= 0) {
    ShowError(BackupTexts::InvalidInfo(info));
    return;
  }
  host_.askToSaveChangedPages();
  if (!ClearReadOnly(info)) {
    ShowError(BackupTexts::ReadOnlyInfo(info));
    return;
  }
  bool restartNeeded = false;
  const std::string wininitError = RestoreCheckedFiles(folder, info, restartNeeded);
  // Told before the restart warning, so that the user knows which files
  // will not be replaced.
  if (!wininitError.empty()) ShowError(wininitError);
  if (!restartNeeded) return;
  ShowInfo(BackupTexts::kRestartWarning);
  if (!Interaction().ShutdownWindows(kForcedRestart)) ShowError(BackupTexts::kRestartFailed);
}

std::string TBackupPage::RestoreCheckedFiles(const std::string& folder, const std::string& info, bool& restartNeeded) {
  TPageControlBusy busy(host_.pages);
  const std::vector<std::string> keys = IniKeys(info, "BACKUP");
  const std::vector<std::string> selected = SelectedKeys(keys, CheckedRows());
  if (keys.empty()) {
    ShowError(BackupTexts::NoRestoreInformation(info));
    return "";
  }
  if (selected.empty()) {
    ShowError(BackupTexts::kNothingToRestore);
    return "";
  }
  const std::vector<TRestorePair> pairs = RestorePairs(info, folder, selected);
  ShowRestorePanel(true);
  std::string wininitError;
  for (const TRestorePair& pair : pairs) {
    ShowRestoring(pair.key);
    if (CopyFilesPaired(GetAncestor(Handle(), GA_ROOT), {pair.copy}, {pair.destination},
                        BackupTexts::kRestoreProgress))
      continue;
    restartNeeded = true;
    wininitError = ReplaceAtReboot(pair.copy, pair.destination);
    if (!wininitError.empty()) break;
  }
  if (wininitError.empty()) host_.reloadAllPages();
  ShowRestorePanel(false);
  if (wininitError.empty()) ShowInfo(restartNeeded ? BackupTexts::kRestoreDone : BackupTexts::kRestoreDoneRestartAdvised);
  return wininitError;
}
