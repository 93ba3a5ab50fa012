#pragma once
// "Sich./Wiederh.": copies the start-up files of Windows 95, 98 and Me into a
// folder, with "Trivan.ini" telling where each copy belongs, and copies them
// back from there.

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Dialog.h"
#include "toolkit/Edit.h"
#include "toolkit/Page.h"
#include "toolkit/PageControl.h"

// What backup and restore need of the main window.
struct TBackupHost {
  TPageControl& pages;
  // The close question: offers to save every changed page first.
  std::function<void()> askToSaveChangedPages;
  // Clears every unsaved-change flag and loads every page again.
  std::function<void()> reloadAllPages;
};

class TBackupPage : public TDialog, public TPage {
 public:
  TBackupPage(HWND pageControl, TBackupHost host);

  TLabel Label17, Label18, Label19;
  std::array<std::unique_ptr<TCheckBox>, 10> CheckBoxes;  // CheckBox1 to CheckBox10
  TButton BrowseBtn;
  TEdit FolderEdit;
  TButton BackupBtn, RestoreBtn;
  TLabel RestorePanel, Label20, FileNameLabel;

  // The files it copies are those of the 9x family.
  void ApplyPlatform(bool isWinNT) override;

  void BrowseBtnClick();
  void BackupBtnClick();
  void RestoreBtnClick();

 private:
  // Which of the ten rows are checked, in row order.
  std::vector<bool> CheckedRows() const;
  // Copies the checked files back from the folder as info lists them; a file
  // in use is scheduled for the next start (restartNeeded). Returns why a
  // scheduling failed, or "".
  std::string RestoreCheckedFiles(const std::string& folder, const std::string& info, bool& restartNeeded);
  void ShowRestorePanel(bool visible);
  void ShowRestoring(const std::string& fileName);

  TBackupHost host_;
};
