#pragma once
// The "Registry" page: the entries of one of the Run-type keys as a list of
// name and command line. The entries live in their model (RunKeyEntries),
// which edits them in memory and writes them back on demand; the page draws
// them, in an order of its own, and asks the user what the model needs to
// know.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/Button.h"
#include "toolkit/Dialog.h"
#include "toolkit/ListKeys.h"
#include "toolkit/OwnerDataListView.h"
#include "toolkit/Page.h"
#include "toolkit/PageControl.h"
#include "controls/MySpeedButton.h"
#include "registry/RunKeyEntries.h"

class TRegistryPage : public TDialog, public TPage {
 public:
  // The picture of every row: that of the page's tab.
  static constexpr int kRowImage = 1;

  TRegistryPage(HWND pageControlHandle, TPageControl& pageControl, HIMAGELIST images, bool& regChanged);

  TLabel Label1;
  TMySpeedButton HKLMRunBtn, HKCURunBtn, HKLMRunServicesBtn, HKLMRunOnceBtn, HKCURunOnceBtn, HKLMRunServicesOnceBtn;
  // The 32-bit view of the machine's Run and RunOnce (64-bit Windows only)
  // and the policy Run keys (NT family only).
  TMySpeedButton HKLMRun32Btn, HKLMRunOnce32Btn, HKLMPolicyRunBtn, HKCUPolicyRunBtn;
  TOwnerDataListView RegView;
  TMySpeedButton AddRegBtn, EditRegBtn, RemoveRegBtn, RegExportBtn;
  TButton RegCheckBtn, SaveRegBtn, RegRefreshBtn;
  // The list's keys and popup menu, with the page's commands.
  TListKeys RegViewKeys;
  std::vector<TCommand> RegViewCommands();

  // The full path of the key shown, for example
  // "HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Run".
  std::string CurrentRegKey;
  bool& RegChanged;

  // Shows the machine's Run key, its button down.
  void Load() override;
  void Save() override { SaveRegBtnClick(); }
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
  // The user ticked or cleared a row's box: the switch is settled once the
  // list's notification has returned (a question may come).
  void RegViewCheck(int index);

 protected:
  INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  struct TKeyButton {
    TSpeedButton* button;
    std::string keyPath;
  };
  void ConnectHandlers();
  void SetUpKeyButtons();
  const std::string& KeyPathOf(const TSpeedButton& button) const;

  // The rows shown again after the entries changed, in the order shown;
  // the selected entry stays selected.
  void Draw();
  // Rows keep the order of shownIds (the entries of the rows before the
  // change); an entry new to the list comes last.
  void UpdateRows(const std::vector<int>& shownIds);
  std::vector<int> ShownIds() const;
  void SortRows(int column, bool ascending);
  void SortBy(int column, bool ascending);
  void ShowRows(int selectedId, TOwnerDataListView::TScroll scroll = TOwnerDataListView::TScroll::Keep);
  // The entry a row shows; null for a row past those of the page (the list
  // may still count it while the page draws anew).
  const TRunEntry* EntryOfRow(int row) const;
  // What the list draws of a row, straight from its entry.
  TListRow RowOf(const TRunEntry& entry) const;
  std::string RowText(int row, int column) const;
  // The entries of the rows, in the order shown.
  std::vector<const TRunEntry*> ShownEntries() const;
  // The entry of the selected row; null without a selection.
  const TRunEntry* Selected() const;
  int SelectedId() const;
  void SelectEntry(int id);
  // Export and Check need rows; applied after every load, add and remove.
  void UpdateListButtons();

  // The entry dialog with a name and a value; true when closed with OK.
  bool RunEntryDialog(const std::string& caption, std::string& name, std::string& value);
  // The extra question or note that removing one of the special entries gets.
  bool ConfirmSpecialRemoval(const std::string& name);
  // False, with a message, for an entry that cannot be changed here.
  bool EditableHere(const TRunEntry& entry);
  // Makes an edit; where it meets another entry of its name, asks whether to
  // replace that one and makes it again with the answer; says why an edit is
  // refused. True when it was made.
  bool Settle(const std::string& name, const std::function<TEditResult(bool replace)>& edit);
  void SwitchEntry(int id);
  bool AskAboutOtherChanges(const TOtherChanges& other);
  void ReportSave(const TSaveReport& report);
  void WriteExportFile(const std::string& fileName);

  TPageControl& AutoStartPageControl;
  std::vector<TKeyButton> keyButtons_;
  std::optional<TRunKeyEntries> entries_;
  // Where the entry of each row stands in the model's entries, in the order
  // shown: all a row needs is drawn from its entry when the list asks.
  std::vector<size_t> rows_;
  unsigned loads_ = 0;  // tells a click on an earlier list from one on this
};
