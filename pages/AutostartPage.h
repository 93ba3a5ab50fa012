#pragma once
// The "Autostart" page: the shortcuts in the start-up folder of the current
// user or of all users, those switched off (here or by Windows) included,
// unticked. The page draws the folder's model and asks; every change acts on
// the folder at once.

#include <string>

#include "controls/MySpeedButton.h"
#include "pages/StartupFolder.h"
#include "support/SheLink.h"
#include "toolkit/Button.h"
#include "toolkit/Dialog.h"
#include "toolkit/ListKeys.h"
#include "toolkit/ListView.h"
#include "toolkit/Page.h"
#include "toolkit/PageControl.h"

class TAutostartPage : public TDialog, public TPage {
 public:
  // The picture of every row: that of the page's tab.
  static constexpr int kRowImage = 2;

  TAutostartPage(HWND pageControlHandle, TPageControl& pageControl, HIMAGELIST images, TShellLink& shellLink);

  TLabel Label5, Label11, AutostartFolderLabel;
  TMySpeedButton AutostartCurrentUserBtn, AutoStartAllUsersBtn;
  TListView AutoStartFolderLV;
  TMySpeedButton AutostartAddBtn, AutostartDeleteBtn;
  TButton AutostartCheckBtn, AutostartRefreshBtn;
  // The list's keys and popup menu, with the page's commands.
  TListKeys AutoStartFolderLVKeys;
  std::vector<TCommand> AutoStartFolderLVCommands();

  void Load() override { AutostartRefreshBtnClick(); }
  void ApplyPlatform(bool isWinNT) override { AutoStartAllUsersBtn.SetEnabled(isWinNT); }

  // The folder shown, as loaded.
  const TStartupFolder& Folder() const { return folder_; }

  void AutostartRefreshBtnClick();
  void ClearAutostartList();
  void AutostartAddBtnClick();
  void AutostartDeleteBtnClick();
  void AutostartCheckBtnClick();

  void AutoStartFolderLVChange();
  void AutoStartFolderLVExit();
  void AutoStartFolderLVEditing(bool& allowEdit);
  void AutoStartFolderLVColumnClick(int column);
  // The user ticked (switch on) or cleared (switch off) a row's box: the
  // shortcut moves once the list view's notification has returned.
  void AutoStartFolderLVCheck(int index);

 private:
  void ConnectHandlers();
  void ShowScope(TStartupScope scope);
  void DrawFolder();
  // The program the open dialog chose, or empty when there is none.
  std::string ChooseProgram();
  void AddShortcut(const std::string& name, const std::string& target);
  void SwitchEntry(const TFolderEntry& entry, bool on);
  // False when the shortcut cannot be read or its target is not found.
  bool LinkTargetFound(const std::wstring& linkFile);
  // Such names are shown as they are (the sorting sees their ANSI form).
  void ShowNamesWithoutAnsiForm();
  // The entry a row shows.
  const TFolderEntry& EntryOf(int row) const;

  TPageControl& AutoStartPageControl;
  TShellLink& ShellLink;
  TStartupScope scope_ = TStartupScope::CurrentUser;
  TStartupFolder folder_{TStartupScope::CurrentUser};
};
