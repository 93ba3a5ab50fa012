// "Wiederherstellung": each listed copy back to its row's own file, one file
// at a time; a file in use is replaced at the next start, and Windows is then
// restarted by force.
#include <windows.h>

#include "backup/BackupPage.h"
#include "backup/BackupSet.h"
#include "backup/BackupTexts.h"
#include "backup/RestoreChecks.h"
#include "backup/RestoreInformation.h"
#include "support/FileCopy.h"
#include "support/MyTools.h"
#include "support/SystemLocations.h"
#include "support/Tools.h"
#include "support/WininitFile.h"
#include "toolkit/Interaction.h"

namespace {

constexpr unsigned kForcedRestart = EWX_REBOOT | EWX_FORCE;

struct TSelectedRow {
  const TBackupRow* row;
  std::string key;  // spelled as in the file
};

struct TRestorePair {
  std::string key, copy, destination;
};

struct TRestoreOutcome {
  int restored = 0;  // copied back or left for the next start
  bool restartNeeded = false;
  std::string wininitError;  // why a file could not be left for the next start
};

bool SameName(const std::string& a, const std::string& b) {
  return MyTools.UpperCaseGerman(a) == MyTools.UpperCaseGerman(b);
}

// The checked rows that the file lists, in row order.
std::vector<TSelectedRow> SelectedRows(const std::vector<std::string>& keys, const std::vector<bool>& checked) {
  std::vector<TSelectedRow> selected;
  for (size_t row = 0; row < checked.size(); ++row) {
    if (!checked[row]) continue;
    for (const std::string& key : keys)
      if (SameName(key, kBackupSet[row].storedName)) {
        selected.push_back({&kBackupSet[row], key});
        break;
      }
  }
  return selected;
}

// A restore-information file may come from anywhere: a destination must be
// the row's own home file, or the copy could overwrite any file at all.
std::vector<TRestorePair> RestorePairs(const std::string& info, const std::string& folder,
                                       const std::vector<TSelectedRow>& selected) {
  std::vector<TRestorePair> pairs;
  for (const TSelectedRow& selection : selected) {
    const std::string destination = IniValue(info, "BACKUP", selection.key);
    if (destination.empty()) continue;
    const std::string home = HomePath(*selection.row, GetWinDir(), GetBootDir());
    if (!IsHomeFile(destination, home)) {
      ShowError(BackupTexts::ForeignDestination(selection.key, destination));
      continue;
    }
    pairs.push_back({selection.key, folder + "\\" + selection.key, home});
  }
  return pairs;
}

// Copies one file back. Only a file in use is left for the next start
// (restartNeeded), since that is the one thing a restart mends; every other
// failure is the user's to hear about.
void RestoreFile(HWND owner, const TRestorePair& pair, TRestoreOutcome& outcome) {
  if (!IsReachableFile(pair.copy)) {
    ShowError(BackupTexts::MissingCopy(pair.copy));
    return;
  }
  if (CopyFilesPaired(owner, {pair.copy}, {pair.destination}, BackupTexts::kRestoreProgress)) {
    ++outcome.restored;
    return;
  }
  if (!IsInUse(pair.destination)) {
    ShowError(BackupTexts::CopyFailed(pair.copy, pair.destination));
    return;
  }
  outcome.wininitError = ReplaceAtReboot(pair.copy, pair.destination);
  if (!outcome.wininitError.empty()) return;
  outcome.restartNeeded = true;
  ++outcome.restored;
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
  // Trivan.ini is only read: it keeps its attributes, read-only included.
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
  const std::vector<TSelectedRow> selected = SelectedRows(keys, CheckedRows());
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
  TRestoreOutcome outcome;
  for (const TRestorePair& pair : pairs) {
    ShowRestoring(pair.key);
    RestoreFile(GetAncestor(Handle(), GA_ROOT), pair, outcome);
    if (!outcome.wininitError.empty()) break;
  }
  restartNeeded = outcome.restartNeeded;
  // With nothing restored the pages still show the system as it is, and
  // keep the edits the user chose not to save.
  const bool finished = outcome.wininitError.empty();
  if (finished && outcome.restored > 0) host_.reloadAllPages();
  ShowRestorePanel(false);
  if (!finished) return outcome.wininitError;
  // Nothing restored is no success, and no restart would mend anything.
  if (outcome.restored == 0) ShowError(BackupTexts::kNothingRestored);
  else ShowInfo(outcome.restartNeeded ? BackupTexts::kRestoreDone : BackupTexts::kRestoreDoneRestartAdvised);
  return "";
}
