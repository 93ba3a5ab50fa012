#include "pages/AutostartPage.h"

#include <commctrl.h>
#include <commdlg.h>

#include <vector>

#include "pages/AutostartTexts.h"
#include "registry/ListViewCompare.h"
#include "registry/ProgramFile.h"
#include "registry/RegAdd.h"
#include "res/resource.h"
#include "support/SwitchedOffEntries.h"
#include "support/SystemLocations.h"
#include "support/Tools.h"
#include "toolkit/Interaction.h"

namespace {

constexpr int kScopeButtonGroup = 1;
// The data of a row whose shortcut waits switched off.
constexpr LPARAM kSwitchedOffRow = 1;

int CompareNames(const TListRow& a, const TListRow& b) { return ListViewCompare(a, b, kSortNameUp); }

// The names of the shortcuts in folder, hidden and system ones included, in
// the listing's order.
std::vector<std::string> LinkFilesIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "*.lnk").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do names.push_back(found.cFileName);
  while (FindNextFileA(search, &found));
  FindClose(search);
  return names;
}

}  // namespace

TAutostartPage::TAutostartPage(HWND pageControlHandle, TPageControl& pageControl, HIMAGELIST images,
                               TShellLink& shellLink)
    : TDialog(pageControlHandle, IDD_STARTUP),
      Label5(*this, IDC_LABEL5),
      Label11(*this, IDC_LABEL11),
      AutostartFolderLabel(*this, IDC_AUTOSTARTFOLDERLABEL),
      AutostartCurrentUserBtn(*this, IDC_AUTOSTARTCURRENTUSERBTN),
      AutoStartAllUsersBtn(*this, IDC_AUTOSTARTALLUSERSBTN),
      AutoStartFolderLV(*this, IDC_AUTOSTARTFOLDERLV),
      AutostartAddBtn(*this, IDC_AUTOSTARTADDBTN),
      AutostartDeleteBtn(*this, IDC_AUTOSTARTDELETEBTN),
      AutostartCheckBtn(*this, IDC_AUTOSTARTCHECKBTN),
      AutostartRefreshBtn(*this, IDC_AUTOSTARTREFRESHBTN),
      AutoStartPageControl(pageControl),
      ShellLink(shellLink) {
  AutostartCurrentUserBtn.SetHint(AutostartTexts::kCurrentUserHint);
  AutoStartAllUsersBtn.SetHint(AutostartTexts::kAllUsersHint);
  AutostartCurrentUserBtn.GroupIndex = AutoStartAllUsersBtn.GroupIndex = kScopeButtonGroup;
  AutostartCurrentUserBtn.SetDown(true);
  AutostartAddBtn.SetHint(AutostartTexts::kAddHint);
  AutostartDeleteBtn.SetHint(AutostartTexts::kDeleteHint);
  AutostartDeleteBtn.SetEnabled(false);

  ListView_SetExtendedListViewStyle(AutoStartFolderLV.Handle(), LVS_EX_FULLROWSELECT | LVS_EX_TRACKSELECT |
                                                                    LVS_EX_ONECLICKACTIVATE | LVS_EX_UNDERLINEHOT);
  AutoStartFolderLV.ShowCheckBoxes();
  AutoStartFolderLV.AddColumn(AutostartTexts::kColumn, 450);
  AutoStartFolderLV.SetSmallImages(images);
  AutoStartFolderLV.SetCaptionOrder(CompareNames);
  // The list keeps itself ascending, so the first column click sorts it
  // the other way: the shared toggle starts where descending comes first.
  AutoStartFolderLV.Tag = 1;
  ConnectHandlers();
}

void TAutostartPage::ConnectHandlers() {
  AutostartCurrentUserBtn.OnClick = [this] { AutostartRefreshBtnClick(); };
  AutoStartAllUsersBtn.OnClick = [this] { AutostartRefreshBtnClick(); };
  AutostartRefreshBtn.OnClick = [this] { AutostartRefreshBtnClick(); };
  AutostartAddBtn.OnClick = [this] { AutostartAddBtnClick(); };
  AutostartDeleteBtn.OnClick = [this] { AutostartDeleteBtnClick(); };
  AutostartCheckBtn.OnClick = [this] { AutostartCheckBtnClick(); };
  AutoStartFolderLV.OnChange = [this] { AutoStartFolderLVChange(); };
  AutoStartFolderLV.OnExit = [this] { AutoStartFolderLVExit(); };
  AutoStartFolderLV.OnEditing = [this](int, bool& allowEdit) { AutoStartFolderLVEditing(allowEdit); };
  AutoStartFolderLV.OnColumnClick = [this](int column) { AutoStartFolderLVColumnClick(column); };
  AutoStartFolderLV.OnCheck = [this](int index) { AutoStartFolderLVCheck(index); };
}

std::string TAutostartPage::ScopeFolder() const {
  return WithFinalBackslash(AutostartCurrentUserBtn.Down() ? GetUserStartupDir() : GetCommonStartupDir());
}

void TAutostartPage::ClearAutostartList() { AutoStartFolderLV.Clear(); }

void TAutostartPage::AutostartRefreshBtnClick() {
  {
    TPageControlBusy busy(AutoStartPageControl);
    ClearAutostartList();
    const std::string folder = ScopeFolder();
    AutostartFolderLabel.SetText(folder.substr(0, folder.size() - 1));
    std::vector<TListRow> rows;
    for (const std::string& name : LinkFilesIn(folder)) rows.push_back({name, "", kRowImage, 0, true});
    for (const std::string& name : LinkFilesIn(SwitchedOffFolder(folder)))
      rows.push_back({name, "", kRowImage, kSwitchedOffRow, false});
    AutoStartFolderLV.SetRows(std::move(rows));
  }
  AutostartCheckBtn.SetEnabled(AutoStartFolderLV.Count() > 0);
}

std::string TAutostartPage::ChooseProgram() {
  TFileDialogSpec openDialog;
  openDialog.filter = AutostartTexts::kOpenFilter;
  openDialog.options =
      OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_ENABLESIZING | OFN_NODEREFERENCELINKS;
  std::string fileName;
  if (!Interaction().OpenFile(openDialog, fileName) || !FileExists(fileName)) return "";
  return fileName;
}

void TAutostartPage::AutostartAddBtnClick() {
  const std::string target = ChooseProgram();
  if (target.empty()) return;
  const std::string folder = ScopeFolder();
  std::string name = EntryNameOf(target);
  if (!Interaction().InputQuery(AutostartTexts::kAddCaption, AutostartTexts::kAddPrompt, name) || name.empty())
    return;
  ShellLink.CreateLink(folder + name + ".lnk", target);
  AutostartRefreshBtnClick();
}

void TAutostartPage::AutostartDeleteBtnClick() {
  const int selected = AutoStartFolderLV.SelectedIndex();
  if (selected < 0) return;
  const std::string caption = AutoStartFolderLV.Caption(selected);
  if (!Confirm(AutostartTexts::DeleteQuestion(caption))) return;
  if (DeleteFileA(RowFile(selected).c_str())) AutostartRefreshBtnClick();
  else ShowError(AutostartTexts::kCannotDelete);
}

bool TAutostartPage::LinkTargetFound(const std::string& linkFile) {
  return ShellLink.ReadLink(linkFile) && !ShellLink.Target.empty() && ProgramFileExists(ShellLink.Target);
}

void TAutostartPage::AutostartCheckBtnClick() {
  ShowInfo(AutostartTexts::kCheckNote);
  AutostartRefreshBtnClick();
  for (int i = 0; i < AutoStartFolderLV.Count(); ++i)
    if (IsSwitchedOn(i) && !LinkTargetFound(RowFile(i)))
      ShowError(AutostartTexts::TargetNotFound(AutoStartFolderLV.Caption(i)));
}

bool TAutostartPage::IsSwitchedOn(int index) const { return AutoStartFolderLV.Data(index) != kSwitchedOffRow; }

std::string TAutostartPage::RowFile(int index) const {
  const std::string folder = IsSwitchedOn(index) ? ScopeFolder() : SwitchedOffFolder(ScopeFolder());
  return folder + AutoStartFolderLV.Caption(index);
}

void TAutostartPage::AutoStartFolderLVCheck(int index) {
  SwitchLink(ScopeFolder(), AutoStartFolderLV.Caption(index), AutoStartFolderLV.Checked(index));
  // The list shows the folder as it now is, also when the switch did not happen.
  AutostartRefreshBtnClick();
}

void TAutostartPage::AutoStartFolderLVChange() { AutostartDeleteBtn.SetEnabled(AutoStartFolderLV.SelectedIndex() >= 0); }

void TAutostartPage::AutoStartFolderLVExit() { AutostartDeleteBtn.SetEnabled(false); }

void TAutostartPage::AutoStartFolderLVEditing(bool& allowEdit) { allowEdit = false; }

void TAutostartPage::AutoStartFolderLVColumnClick(int column) { SortByColumnClick(AutoStartFolderLV, column); }
