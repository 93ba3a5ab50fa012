#include "pages/AutostartPage.h"

#include <commctrl.h>
#include <commdlg.h>

#include <vector>

#include "pages/AutostartTexts.h"
#include "registry/ListViewCompare.h"
#include "registry/ProgramFile.h"
#include "registry/RegAdd.h"
#include "registry/StartupStatus.h"
#include "res/resource.h"
#include "support/SwitchedOffEntries.h"
#include "support/SystemLocations.h"
#include "support/Tools.h"
#include "support/WideText.h"
#include "support/WindowsVersion.h"
#include "toolkit/Interaction.h"

namespace {

constexpr int kScopeButtonGroup = 1;
// The data of a row whose shortcut waits switched off.
int CompareNames(const TListRow& a, const TListRow& b) { return ListViewCompare(a, b, kSortNameUp); }

// The names of the shortcuts in folder, hidden and system ones included, in
// the listing's order; wide, since a name may have no ANSI form.
std::vector<std::wstring> LinkFilesIn(const std::string& folder) {
  std::vector<std::wstring> names;
  if (!IsWinNT) {  // the 9x family's wide file functions are stubs that fail
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "*.lnk").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do names.push_back(WideFromAnsi(found.cFileName));
    while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
  }
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((WideFromAnsi(folder) + L"*.lnk").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do names.push_back(found.cFileName);
  while (FindNextFileW(search, &found));
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
  if (IsWin8OrLater()) {
    AutoStartFolderLV.AddColumn(AutostartTexts::kColumn, 450 - StartupStatus::kColumnWidth);
    AutoStartFolderLV.AddColumn(StartupStatus::kColumn, StartupStatus::kColumnWidth);
  } else {
    AutoStartFolderLV.AddColumn(AutostartTexts::kColumn, 450);
  }
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
    linkNames_ = LinkFilesIn(folder);
    FolderApprovals = StartupFolderApprovals(AutostartCurrentUserBtn.Down());
    std::vector<TListRow> rows;
    firstSwitchedOff_ = linkNames_.size();
    for (std::wstring& name : LinkFilesIn(SwitchedOffFolder(folder))) linkNames_.push_back(std::move(name));
    for (size_t i = 0; i < linkNames_.size(); ++i) {
      const std::string name = AnsiFromWide(linkNames_[i]);
      rows.push_back({name, StartupStatusText(FolderApprovals, name), kRowImage, static_cast<LPARAM>(i), "",
                      i < firstSwitchedOff_});
    }
    AutoStartFolderLV.SetRows(std::move(rows));
    ShowNamesWithoutAnsiForm();
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
  const std::wstring file = LinkFileOf(selected);
  if (IsWinNT ? DeleteFileW(file.c_str()) : DeleteFileA(AnsiFromWide(file).c_str())) AutostartRefreshBtnClick();
  else ShowError(AutostartTexts::kCannotDelete);
}

std::wstring TAutostartPage::LinkFileOf(int row) const {
  const std::string folder = IsSwitchedOn(row) ? ScopeFolder() : SwitchedOffFolder(ScopeFolder());
  return WideFromAnsi(folder) + linkNames_[static_cast<size_t>(AutoStartFolderLV.Data(row))];
}

void TAutostartPage::ShowNamesWithoutAnsiForm() {
  for (int i = 0; i < AutoStartFolderLV.Count(); ++i) {
    const std::wstring& name = linkNames_[static_cast<size_t>(AutoStartFolderLV.Data(i))];
    if (!HasAnsiForm(name)) AutoStartFolderLV.ShowWideCaption(i, name);
  }
}

bool TAutostartPage::LinkTargetFound(const std::wstring& linkFile) {
  return ShellLink.ReadLink(linkFile) && !ShellLink.Target.empty() && ProgramFileExists(ShellLink.Target);
}

void TAutostartPage::AutostartCheckBtnClick() {
  ShowInfo(AutostartTexts::kCheckNote);
  AutostartRefreshBtnClick();
  for (int i = 0; i < AutoStartFolderLV.Count(); ++i) {
    const std::string caption = AutoStartFolderLV.Caption(i);
    if (IsSwitchedOn(i) && !SwitchedOff(FolderApprovals, caption) && !LinkTargetFound(LinkFileOf(i)))
      ShowError(AutostartTexts::TargetNotFound(caption));
  }
}

bool TAutostartPage::IsSwitchedOn(int index) const {
  return static_cast<size_t>(AutoStartFolderLV.Data(index)) < firstSwitchedOff_;
}

void TAutostartPage::AutoStartFolderLVCheck(int index) {
  SwitchLink(ScopeFolder(), AutoStartFolderLV.Caption(index), AutoStartFolderLV.Checked(index));
  // The list shows the folder as it now is, also when the switch did not happen.
  AutostartRefreshBtnClick();
}

void TAutostartPage::AutoStartFolderLVChange() { AutostartDeleteBtn.SetEnabled(AutoStartFolderLV.SelectedIndex() >= 0); }

void TAutostartPage::AutoStartFolderLVExit() { AutostartDeleteBtn.SetEnabled(false); }

void TAutostartPage::AutoStartFolderLVEditing(bool& allowEdit) { allowEdit = false; }

void TAutostartPage::AutoStartFolderLVColumnClick(int column) {
  SortByColumnClick(AutoStartFolderLV, column);
  ShowNamesWithoutAnsiForm();
}
