#pragma once
// The "Registry" page: the values of one of the Run-type keys as a list of
// name and command line, edited in memory and written back on demand.

#include <optional>
#include <string>

#include "toolkit/Button.h"
#include "toolkit/Dialog.h"
#include "toolkit/ListKeys.h"
#include "toolkit/ListView.h"
#include "toolkit/PageControl.h"
#include "controls/MySpeedButton.h"
#include "support/RunKeyValues.h"
#include "support/StartupApproved.h"

class TRegistryPage : public TDialog {
 public:
  // The picture of every row: that of the page's tab.
  static constexpr int kRowImage = 1;

  TRegistryPage(HWND pageControlHandle, TPageControl& pageControl, HIMAGELIST images, bool& regChanged);

  TLabel Label1;
  TMySpeedButton HKLMRunBtn, HKCURunBtn, HKLMRunServicesBtn, HKLMRunOnceBtn, HKCURunOnceBtn, HKLMRunServicesOnceBtn;
  // The 32-bit view of the machine's Run and RunOnce (64-bit Windows only)
  // and the policy Run keys (NT family only).
  TMySpeedButton HKLMRun32Btn, HKLMRunOnce32Btn, HKLMPolicyRunBtn, HKCUPolicyRunBtn;
  TListView RegView;
  TMySpeedButton AddRegBtn, EditRegBtn, RemoveRegBtn, RegExportBtn;
  TButton RegCheckBtn, SaveRegBtn, RegRefreshBtn;
  // The list's keys and popup menu, with the page's commands.
  TListKeys RegViewKeys;
  std::vector<TCommand> RegViewCommands();

  // The full path of the key shown, for example
  // "HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Run".
  std::string CurrentRegKey;
  bool& RegChanged;

  void LoadRegKey(const std::string& keyPath);
  void ClearRegView();

  void RegistryReadBtnClick(TSpeedButton& sender);
  void RegRefreshBtnClick();
  void AddRegBtnClick();
  void EditRegBtnClick();
  void RemoveRegBtnClick();
  void RegCheckBtnClick();
  void SaveRegBtnClick();
  void RegExportBtnClick();

  void RegViewChange();
  void RegViewExit();
  void RegViewEditing(bool& allowEdit);
  void RegViewDblClick();
  void RegViewColumnClick(int column);
  // The user ticked (on) or cleared (off) a row's box: an edit like the others.
  void RegViewCheck(int index);

 private:
  void ConnectHandlers();
  void SetUpKeyButtons();
  // The entry's text in the "Status" column (Windows 8 and later); waiting:
  // in the sub-key of the switched-off entries.
  std::string StatusOf(const std::wstring& name, bool waiting) const;
  // Export and Check need rows; applied after every load, add and remove.
  void UpdateListButtons();
  // The entry dialog with a name and a value; true when closed with OK.
  bool RunEntryDialog(const std::string& caption, std::string& name, std::string& value);
  // The extra question or note that removing one of the special entries gets.
  bool ConfirmSpecialRemoval(const std::string& name);
  void WriteExportFile(const std::string& fileName);
  // False, with a message, for a row or a name of a value that holds
  // characters the ANSI code page cannot carry.
  bool EditableHere(int index);
  bool NameFreeForEditing(const std::string& name);
  // Before the ticked or cleared row moves where another row of its name is
  // going: asks, and drops that row when the user agrees.
  bool MakeRoomAtDestination(int index);
  // Where a row's value goes on save: the key itself (true) or the sub-key
  // of the entries switched off.
  bool BelongsInKey(const TListRow& row) const;
  // The rows that can be edited here and belong in the key (or in the
  // sub-key), as values.
  TValueList ListedValues(bool inKey) const;
  // Lets Windows start again every ticked entry its task manager switched
  // off; true when nothing failed (each failure is reported).
  bool SwitchOnInWindows();
  // After a save each row is where the save put it, and says so.
  void MarkRowsAsSaved();
  // Writes what the list changed among the switched-off entries into the
  // key's sub-key; true when nothing failed.
  bool SaveSwitchedOff();
  // Keeps another program's changes to the key, unless the user lets the
  // changes of the list overwrite them; tells the user what changed.
  TKeyChanges SettleOtherChanges(const TKeyChanges& mine, const TKeyChanges& theirs, const TValueList& current);

  // The key's values as last loaded or saved: a save writes only what the
  // list changed against them.
  TValueList loaded_;
  // The switched-off entries as last loaded or saved.
  TValueList loadedOff_;

  TPageControl& AutoStartPageControl;
  // Which entries of the key shown Windows has switched off; none where it
  // has no switch for them.
  std::optional<TStartupApprovals> KeyApprovals;
};
