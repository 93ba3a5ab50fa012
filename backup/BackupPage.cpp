#include "backup/BackupPage.h"

#include "backup/BackupSet.h"
#include "backup/BackupTexts.h"
#include "res/resource.h"
#include "toolkit/Application.h"
#include "toolkit/Interaction.h"

namespace {

enum : UINT { kTypeUnknown = 0, kNoRootDirectory = 1, kCdRom = 5, kRamDisk = 6 };

}  // namespace

TBackupPage::TBackupPage(HWND pageControl, TBackupHost host)
    : TDialog(pageControl, IDD_BACKUPRESTORE),
      Label17(*this, IDC_LABEL17),
      Label18(*this, IDC_LABEL18),
      Label19(*this, IDC_LABEL19),
      BrowseBtn(*this, IDC_BROWSEBTN),
      FolderEdit(*this, IDC_FOLDEREDIT),
      BackupBtn(*this, IDC_BACKUPBTN),
      RestoreBtn(*this, IDC_RESTOREBTN),
      RestorePanel(*this, IDC_RESTOREPANEL),
      Label20(*this, IDC_LABEL20),
      FileNameLabel(*this, IDC_FILENAMELABEL),
      host_(std::move(host)) {
  Label17.SetText(
      "Lesen Sie vor der Sicherung/Wiederherstellung unbedingt in der Hilfedatei nach!\r\n\r\n"
      "Die Sicherungs-/Wiederherstellungsoption steht nur unter Windows 95/98/Me zur Verfügung.");
  for (size_t i = 0; i < CheckBoxes.size(); ++i) {
    CheckBoxes[i] = std::make_unique<TCheckBox>(*this, IDC_CHECKBOX1 + static_cast<int>(i));
    CheckBoxes[i]->SetChecked(kBackupSet[i].checkedAtStart);
  }
  BrowseBtn.OnClick = [this] { BrowseBtnClick(); };
  BackupBtn.OnClick = [this] { BackupBtnClick(); };
  RestoreBtn.OnClick = [this] { RestoreBtnClick(); };
}

void TBackupPage::ApplyPlatform(bool isWinNT) {
  for (TControl* control : std::initializer_list<TControl*>{&BrowseBtn, &FolderEdit, &BackupBtn, &RestoreBtn})
    control->SetEnabled(!isWinNT);
}

void TBackupPage::BrowseBtnClick() {
  const std::string folder = Interaction().BrowseForFolder(BackupTexts::kBrowseTitle);
  if (folder.empty()) return;
  FolderEdit.SetText(folder);
  if (folder.size() < 2 || folder[1] != ':') return;  // a network path is taken as it is
  switch (GetDriveTypeA(folder.substr(0, 3).c_str())) {
    case kTypeUnknown:
    case kNoRootDirectory:
      ShowError(BackupTexts::kUnknownDrive);
      FolderEdit.SetText("");
      break;
    case kCdRom:
      ShowInfo(BackupTexts::kCdRom);
      break;
    case kRamDisk:
      ShowInfo(BackupTexts::kRamDisk);
      break;
  }
}

std::vector<bool> TBackupPage::CheckedRows() const {
  std::vector<bool> checked;
  for (const auto& box : CheckBoxes) checked.push_back(box->Checked());
  return checked;
}

void TBackupPage::ShowRestorePanel(bool visible) {
  for (TLabel* part : {&RestorePanel, &Label20, &FileNameLabel}) part->SetVisible(visible);
  Application().ProcessMessages();
}

void TBackupPage::ShowRestoring(const std::string& fileName) {
  FileNameLabel.SetText(fileName);
  Application().ProcessMessages();
}
