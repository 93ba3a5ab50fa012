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
#include "support/Tools.h"
#include "support/WideText.h"
#include "support/WindowsVersion.h"
#include "toolkit/Interaction.h"

namespace {

constexpr int kScopeButtonGroup = 1;
int CompareNames(const TListRow& a, const TListRow& b) { return ListViewCompare(a, b, kSortNameUp); }

std::string RefusedName(TShortcutNameFault fault, const std::string& name) {
  switch (fault) {
    case TShortcutNameFault::DeviceName: return AutostartTexts::DeviceName(name);
    case TShortcutNameFault::LeavesFolder: return AutostartTexts::LeavesFolder(name);
    case TShortcutNameFault::ForbiddenCharacter: return AutostartTexts::ForbiddenCharacter(name);
    case TShortcutNameFault::None: break;
  }
  return "";
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
  AutostartCurrentUserBtn.OnClick = [this] { ShowScope(TStartupScope::CurrentUser); };
  AutoStartAllUsersBtn.OnClick = [this] { ShowScope(TStartupScope::AllUsers); };
  AutostartRefreshBtn.OnClick = [this] { AutostartRefreshBtnClick(); };
  AutostartAddBtn.OnClick = [this] { AutostartAddBtnClick(); };
  AutostartDeleteBtn.OnClick = [this] { AutostartDeleteBtnClick(); };
  AutostartCheckBtn.OnClick = [this] { AutostartCheckBtnClick(); };
  AutoStartFolderLV.OnChange = [this] { AutoStartFolderLVChange(); };
  AutoStartFolderLV.OnExit = [this] { AutoStartFolderLVExit(); };
  AutoStartFolderLV.OnEditing = [this](int, bool& allowEdit) { AutoStartFolderLVEditing(allowEdit); };
  // The rows are rewritten once the list view is done with its notification.
  AutoStartFolderLV.OnColumnClick = [this](int column) {
    Post([this, column] { AutoStartFolderLVColumnClick(column); });
  };
  AutoStartFolderLV.OnCheck = [this](int index) { AutoStartFolderLVCheck(index); };
}

void TAutostartPage::ShowScope(TStartupScope scope) {
  scope_ = scope;
  AutostartRefreshBtnClick();
}

void TAutostartPage::ClearAutostartList() { AutoStartFolderLV.Clear(); }

void TAutostartPage::AutostartRefreshBtnClick() {
  {
    TPageControlBusy busy(AutoStartPageControl);
    ClearAutostartList();
    folder_ = TStartupFolder(scope_);
    folder_.Load();
    DrawFolder();
  }
  AutostartCheckBtn.SetEnabled(!folder_.Entries().empty());
}

// What Windows' task manager switched off is unticked here too.
void TAutostartPage::DrawFolder() {
  const std::string& folder = folder_.Folder();
  AutostartFolderLabel.SetText(folder.substr(0, folder.size() - 1));
  std::vector<TListRow> rows;
  const std::vector<TFolderEntry>& entries = folder_.Entries();
  for (size_t i = 0; i < entries.size(); ++i)
    rows.push_back({AnsiFromWide(entries[i].name), StartupStatusText(folder_.Approvals(), entries[i].name,
                                                                     !entries[i].on),
                    kRowImage, static_cast<LPARAM>(i), "", folder_.Starts(entries[i])});
  AutoStartFolderLV.SetRows(std::move(rows));
  ShowNamesWithoutAnsiForm();
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
  std::string name = EntryNameOf(target);
  if (!Interaction().InputQuery(AutostartTexts::kAddCaption, AutostartTexts::kAddPrompt, name) || name.empty())
    return;
  AddShortcut(name, target);
  AutostartRefreshBtnClick();
}

void TAutostartPage::AddShortcut(const std::string& name, const std::string& target) {
  const TFolderEdit added = folder_.Add(name, target, ShellLink);
  if (added.outcome == TFolderOutcome::Refused) ShowError(RefusedName(added.fault, name));
  // A shortcut that could not be written was reported as it failed.
  else if (added.outcome == TFolderOutcome::NameTaken && Confirm(ReplaceQuestion(name + ".lnk")))
    folder_.Add(name, target, ShellLink, true);
}

void TAutostartPage::AutostartDeleteBtnClick() {
  const int selected = AutoStartFolderLV.SelectedIndex();
  if (selected < 0) return;
  const TFolderEntry entry = EntryOf(selected);
  const std::string caption = AnsiFromWide(entry.name);
  if (!Confirm(AutostartTexts::DeleteQuestion(caption))) return;
  const TFolderEdit removed = folder_.Remove(entry);
  if (removed.outcome == TFolderOutcome::Failed) {
    ShowError(AutostartTexts::kCannotDelete);
    return;
  }
  if (removed.outcome == TFolderOutcome::Gone) ShowError(AutostartTexts::Gone(caption));
  AutostartRefreshBtnClick();
}

void TAutostartPage::ShowNamesWithoutAnsiForm() {
  for (int i = 0; i < AutoStartFolderLV.Count(); ++i) {
    const std::wstring& name = EntryOf(i).name;
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
  for (int i = 0; i < AutoStartFolderLV.Count(); ++i) {
    const TFolderEntry& entry = EntryOf(i);
    if (folder_.Starts(entry) && !LinkTargetFound(folder_.FileOf(entry)))
      ShowError(AutostartTexts::TargetNotFound(AnsiFromWide(entry.name)));
  }
}

const TFolderEntry& TAutostartPage::EntryOf(int row) const {
  return folder_.Entries()[static_cast<size_t>(AutoStartFolderLV.Data(row))];
}

// The box shows the opposite of what the model says the entry does; the
// question and the rebuilt list wait until the list view is done with it.
void TAutostartPage::AutoStartFolderLVCheck(int index) {
  const TFolderEntry entry = EntryOf(index);
  const bool on = !folder_.Starts(entry);
  Post([this, entry, on] { SwitchEntry(entry, on); });
}

// The list shows the folder as it now is, also when the switch did not happen.
void TAutostartPage::SwitchEntry(const TFolderEntry& entry, bool on) {
  const std::string name = AnsiFromWide(entry.name);
  TFolderEdit switched = folder_.Switch(entry, on);
  if (switched.outcome == TFolderOutcome::NameTaken && Confirm(ReplaceQuestion(name)))
    switched = folder_.Switch(entry, on, true);
  if (switched.outcome == TFolderOutcome::Failed) ShowError(AutostartTexts::CannotMove(name));
  if (switched.outcome == TFolderOutcome::Gone) ShowError(AutostartTexts::Gone(name));
  if (switched.windowsStillOff) ShowError(StartupStatus::CannotSwitchOnInWindows(name));
  AutostartRefreshBtnClick();
}

void TAutostartPage::AutoStartFolderLVChange() { AutostartDeleteBtn.SetEnabled(AutoStartFolderLV.SelectedIndex() >= 0); }

void TAutostartPage::AutoStartFolderLVExit() { AutostartDeleteBtn.SetEnabled(false); }

void TAutostartPage::AutoStartFolderLVEditing(bool& allowEdit) { allowEdit = false; }

void TAutostartPage::AutoStartFolderLVColumnClick(int column) {
  SortByColumnClick(AutoStartFolderLV, column);
  ShowNamesWithoutAnsiForm();
}
