#pragma once
// The "Autostart" page: the shortcuts in the start-up folder of the current
// user or of all users, those switched off (here or by Windows) included,
// unticked. Every change acts on the folder at once.

#include <optional>
#include <string>
#include <vector>

#include "controls/MySpeedButton.h"
#include "support/SheLink.h"
#include "support/StartupApproved.h"
#include "toolkit/Button.h"
#include "toolkit/Dialog.h"
#include "toolkit/ListKeys.h"
#include "toolkit/ListView.h"
#include "toolkit/PageControl.h"

class TAutostartPage : public TDialog {
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

  // The folder shown, with a final backslash.
  std::string ScopeFolder() const;

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
  // shortcut moves at once.
  void AutoStartFolderLVCheck(int index);

 private:
  void ConnectHandlers();
  // The program the open dialog chose, or empty when there is none.
  std::string ChooseProgram();
  // False when the shortcut cannot be read or its target is not found.
  bool LinkTargetFound(const std::wstring& linkFile);
  // The shortcut file of a row, by the name found in the folder: the
  // caption holds '?' where a character has no ANSI form.
  std::wstring LinkFileOf(int row) const;
  // Such names are shown as they are (the sorting sees their ANSI form).
  void ShowNamesWithoutAnsiForm();
  // The name of a row's shortcut as found in its folder.
  const std::wstring& LinkNameOf(int row) const;
  // True for a shortcut that waits in the sub-folder of those switched off.
  bool Waits(int row) const;
  void SwitchOnInWindows(const std::wstring& linkName);

  TPageControl& AutoStartPageControl;
  TShellLink& ShellLink;
  // The folder's shortcuts in its order, then those waiting in its sub-folder
  // (from firstWaiting_ on); each row's data indexes it.
  std::vector<std::wstring> linkNames_;
  size_t firstWaiting_ = 0;
  // Which shortcuts of the folder shown Windows has switched off (Windows 8
  // and later).
  std::optional<TStartupApprovals> FolderApprovals;
};
