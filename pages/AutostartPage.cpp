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
#include "support/WideFiles.h"
#include "support/WideText.h"
#include "support/WindowsVersion.h"
#include "toolkit/Interaction.h"

namespace {

constexpr int kScopeButtonGroup = 1;
int CompareNames(const TListRow& a, const TListRow& b) { return ListViewCompare(a, b, kSortNameUp); }

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
      AutoStartFolderLVKeys(AutoStartFolderLV, [this] { return AutoStartFolderLVCommands(); }),
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
    linkNames_ = FileNamesIn(WideFromAnsi(folder), L"*.lnk");
    FolderApprovals = StartupFolderApprovals(AutostartCurrentUserBtn.Down());
    std::vector<TListRow> rows;
    firstWaiting_ = linkNames_.size();
    for (std::wstring& name : FileNamesIn(WideFromAnsi(SwitchedOffFolder(folder)), L"*.lnk"))
      linkNames_.push_back(std::move(name));
    // What Windows' task manager switched off is off here too.
    for (size_t i = 0; i < linkNames_.size(); ++i) {
      const std::string name = AnsiFromWide(linkNames_[i]);
      const bool waiting = i >= firstWaiting_;
      rows.push_back({name, StartupStatusText(FolderApprovals, linkNames_[i], waiting), kRowImage,
                      static_cast<LPARAM>(i), "", !waiting && !SwitchedOff(FolderApprovals, linkNames_[i])});
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
  if (DeletePath(LinkFileOf(selected))) AutostartRefreshBtnClick();
  else ShowError(AutostartTexts::kCannotDelete);
}

std::wstring TAutostartPage::LinkFileOf(int row) const {
  const std::string folder = Waits(row) ? SwitchedOffFolder(ScopeFolder()) : ScopeFolder();
  return WideFromAnsi(folder) + LinkNameOf(row);
}

void TAutostartPage::ShowNamesWithoutAnsiForm() {
  for (int i = 0; i < AutoStartFolderLV.Count(); ++i) {
    const std::wstring& name = LinkNameOf(i);
    if (!HasAnsiForm(name)) AutoStartFolderLV.ShowWideCaption(i, name);
  }
}

bool TAutostartPage::LinkTargetFound(const std::wstring& linkFile) {
  return ShellLink.ReadLink(linkFile) && !ShellLink.Target.empty() && ProgramFileExists(ShellLink.Target);
}

void TAutostartPage::AutostartCheckBtnClick() {
  ShowInfo(AutostartTexts::kCheckNote);
  AutostartRefreshBtnClick();
  // What is switched off (here or by Windows) starts nothing: no fault.
  for (int i = 0; i < AutoStartFolderLV.Count(); ++i)
    if (AutoStartFolderLV.Checked(i) && !LinkTargetFound(LinkFileOf(i)))
      ShowError(AutostartTexts::TargetNotFound(AutoStartFolderLV.Caption(i)));
}

const std::wstring& TAutostartPage::LinkNameOf(int row) const {
  return linkNames_[static_cast<size_t>(AutoStartFolderLV.Data(row))];
}

bool TAutostartPage::Waits(int row) const { return static_cast<size_t>(AutoStartFolderLV.Data(row)) >= firstWaiting_; }

// Ticking brings a shortcut back from the sub-folder; unticking sends it
// there.
void TAutostartPage::AutoStartFolderLVCheck(int index) {
  const std::wstring& name = LinkNameOf(index);
  if (!AutoStartFolderLV.Checked(index)) SwitchLink(ScopeFolder(), name, false);
  else if (!Waits(index) || SwitchLink(ScopeFolder(), name, true)) SwitchOnInWindows(name);
  // The list shows the folder as it now is, also when the switch did not happen.
  AutostartRefreshBtnClick();
}

// Where Windows' task manager switched the shortcut off, Windows is told to
// start it again, as its task manager does: ticked means started for both.
void TAutostartPage::SwitchOnInWindows(const std::wstring& linkName) {
  if (SwitchedOff(FolderApprovals, linkName) && !FolderApprovals->SwitchOn(linkName))
    ShowError(StartupStatus::CannotSwitchOnInWindows(AnsiFromWide(linkName)));
}

void TAutostartPage::AutoStartFolderLVChange() { AutostartDeleteBtn.SetEnabled(AutoStartFolderLV.SelectedIndex() >= 0); }

void TAutostartPage::AutoStartFolderLVExit() { AutostartDeleteBtn.SetEnabled(false); }

void TAutostartPage::AutoStartFolderLVEditing(bool& allowEdit) { allowEdit = false; }

void TAutostartPage::AutoStartFolderLVColumnClick(int column) {
  SortByColumnClick(AutoStartFolderLV, column);
  ShowNamesWithoutAnsiForm();
}
