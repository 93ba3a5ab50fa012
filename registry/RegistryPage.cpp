#include "registry/RegistryPage.h"

#include <commctrl.h>

#include "registry/ListViewCompare.h"
#include "registry/RegistryTexts.h"
#include "registry/RunKeyPath.h"
#include "registry/RunRowData.h"
#include "registry/StartupStatus.h"
#include "res/resource.h"
#include "support/KeyChanges.h"
#include "support/RunKeyValues.h"
#include "support/SwitchedOffEntries.h"
#include "support/Tools.h"
#include "support/WindowsVersion.h"
#include "toolkit/Interaction.h"

namespace {

constexpr int kKeyButtonGroup = 1;

int CompareNames(const TListRow& a, const TListRow& b) { return ListViewCompare(a, b, kSortNameUp); }

}  // namespace

TRegistryPage::TRegistryPage(HWND pageControlHandle, TPageControl& pageControl, HIMAGELIST images, bool& regChanged)
    : TDialog(pageControlHandle, IDD_WINREG),
      Label1(*this, IDC_REG_LABEL1),
      HKLMRunBtn(*this, IDC_HKLMRUNBTN),
      HKCURunBtn(*this, IDC_HKCURUNBTN),
      HKLMRunServicesBtn(*this, IDC_HKLMRUNSERVICESBTN),
      HKLMRunOnceBtn(*this, IDC_HKLMRUNONCEBTN),
      HKCURunOnceBtn(*this, IDC_HKCURUNONCEBTN),
      HKLMRunServicesOnceBtn(*this, IDC_HKLMRUNSERVICESONCEBTN),
      HKLMRun32Btn(*this, IDC_HKLMRUN32BTN),
      HKLMRunOnce32Btn(*this, IDC_HKLMRUNONCE32BTN),
      HKLMPolicyRunBtn(*this, IDC_HKLMPOLICYRUNBTN),
      HKCUPolicyRunBtn(*this, IDC_HKCUPOLICYRUNBTN),
      RegView(*this, IDC_REGVIEW),
      AddRegBtn(*this, IDC_ADDREGBTN),
      EditRegBtn(*this, IDC_EDITREGBTN),
      RemoveRegBtn(*this, IDC_REMOVEREGBTN),
      RegExportBtn(*this, IDC_REGEXPORTBTN),
      RegCheckBtn(*this, IDC_REGCHECKBTN),
      SaveRegBtn(*this, IDC_SAVEREGBTN),
      RegRefreshBtn(*this, IDC_REGREFRESHBTN),
      RegViewKeys(RegView, [this] { return RegViewCommands(); }),
      RegChanged(regChanged),
      AutoStartPageControl(pageControl) {
  SetUpKeyButtons();

  AddRegBtn.SetHint("Eintrag hinzufügen");
  EditRegBtn.SetHint("Eintrag ändern");
  RemoveRegBtn.SetHint("Eintrag entfernen");
  RegExportBtn.SetHint("Exportiert die Einträge \r\nin eine Reg-Datei");

  ListView_SetExtendedListViewStyle(RegView.Handle(), LVS_EX_FULLROWSELECT | LVS_EX_TRACKSELECT |
                                                          LVS_EX_ONECLICKACTIVATE | LVS_EX_UNDERLINEHOT);
  RegView.ShowCheckBoxes();
  RegView.AddColumn("Zeichenkette", 160);
  // The status takes its room from the command line, so the three fit the list.
  RegView.AddColumn("Wert", IsWin8OrLater() ? 300 - StartupStatus::kColumnWidth + 10 : 300);
  if (IsWin8OrLater()) RegView.AddColumn(StartupStatus::kColumn, StartupStatus::kColumnWidth);
  RegView.SetSmallImages(images);
  RegView.SetCaptionOrder(CompareNames);
  ConnectHandlers();
}

// Each button's hint is the full path of its key; the 32-bit view is named as
// the 64-bit registry editor names it.
void TRegistryPage::SetUpKeyButtons() {
  const std::string keys = "Software\\Microsoft\\Windows\\CurrentVersion\\";
  const std::string keys32 = "SOFTWARE\\Wow6432Node\\Microsoft\\Windows\\CurrentVersion\\";
  const struct {
    TSpeedButton* button;
    std::string keyPath;
    bool shown;
  } keyButtons[] = {
      {&HKLMRunBtn, "HKEY_LOCAL_MACHINE\\" + keys + "Run", true},
      {&HKCURunBtn, "HKEY_CURRENT_USER\\" + keys + "Run", true},
      {&HKLMRunServicesBtn, "HKEY_LOCAL_MACHINE\\" + keys + "RunServices", true},
      {&HKLMRunOnceBtn, "HKEY_LOCAL_MACHINE\\" + keys + "RunOnce", true},
      {&HKCURunOnceBtn, "HKEY_CURRENT_USER\\" + keys + "RunOnce", true},
      {&HKLMRunServicesOnceBtn, "HKEY_LOCAL_MACHINE\\" + keys + "RunServicesOnce", true},
      {&HKLMRun32Btn, "HKEY_LOCAL_MACHINE\\" + keys32 + "Run", IsWin64()},
      {&HKLMRunOnce32Btn, "HKEY_LOCAL_MACHINE\\" + keys32 + "RunOnce", IsWin64()},
      {&HKLMPolicyRunBtn, "HKEY_LOCAL_MACHINE\\" + keys + "Policies\\Explorer\\Run", IsWinNT},
      {&HKCUPolicyRunBtn, "HKEY_CURRENT_USER\\" + keys + "Policies\\Explorer\\Run", IsWinNT},
  };
  for (auto& [button, keyPath, shown] : keyButtons) {
    button->SetHint(keyPath);
    button->SetVisible(shown);
    button->GroupIndex = kKeyButtonGroup;
    button->OnClick = [this, button = button] { RegistryReadBtnClick(*button); };
  }
  HKLMRunBtn.SetDown(true);
}

std::string TRegistryPage::StatusOf(const std::wstring& name, bool waiting) const {
  return StartupStatusText(KeyApprovals, name, waiting);
}

void TRegistryPage::ConnectHandlers() {
  RegView.OnChange = [this] { RegViewChange(); };
  RegView.OnExit = [this] { RegViewExit(); };
  RegView.OnEditing = [this](int, bool& allowEdit) { RegViewEditing(allowEdit); };
  RegView.OnColumnClick = [this](int column) { RegViewColumnClick(column); };
  RegView.OnDblClick = [this] { RegViewDblClick(); };
  RegView.OnCheck = [this](int index) { RegViewCheck(index); };
  AddRegBtn.OnClick = [this] { AddRegBtnClick(); };
  EditRegBtn.OnClick = [this] { EditRegBtnClick(); };
  RemoveRegBtn.OnClick = [this] { RemoveRegBtnClick(); };
  RegExportBtn.OnClick = [this] { RegExportBtnClick(); };
  RegCheckBtn.OnClick = [this] { RegCheckBtnClick(); };
  SaveRegBtn.OnClick = [this] { SaveRegBtnClick(); };
  RegRefreshBtn.OnClick = [this] { RegRefreshBtnClick(); };
}

void TRegistryPage::ClearRegView() { RegView.Clear(); }

void TRegistryPage::LoadRegKey(const std::string& keyPath) {
  TPageControlBusy busy(AutoStartPageControl);
  RegChanged = false;
  ClearRegView();
  TRunKeyPath key = ResolveRunKeyPath(keyPath);
  CurrentRegKey = keyPath;
  KeyApprovals = RunKeyApprovals(keyPath);
  loaded_.clear();
  ReadKeyValues(key.root, key.subKey, loaded_, key.view);
  loadedOff_.clear();
  ReadKeyValues(key.root, SwitchedOffKey(key.subKey), loadedOff_, key.view);
  std::vector<TListRow> rows;
  // What Windows' task manager switched off is off here too.
  for (const TRunValue& value : loaded_)
    rows.push_back({value.name, value.data, kRowImage, RunRowData(value, false), StatusOf(ExactName(value), false),
                    !SwitchedOff(KeyApprovals, ExactName(value))});
  for (const TRunValue& value : loadedOff_)
    rows.push_back({value.name, value.data, kRowImage, RunRowData(value, true),
                    StatusOf(ExactName(value), true), false});
  RegView.SetRows(std::move(rows));
  UpdateListButtons();
}

void TRegistryPage::RegistryReadBtnClick(TSpeedButton& sender) {
  const std::string keyPath = sender.Hint();
  if (keyPath == CurrentRegKey) return;
  if (RegChanged && Confirm(RegistryTexts::SaveKeyQuestion(CurrentRegKey))) SaveRegBtnClick();
  LoadRegKey(keyPath);
}

void TRegistryPage::RegRefreshBtnClick() {
  if (RegChanged && !Confirm(RegistryTexts::DiscardQuestion(CurrentRegKey))) return;
  LoadRegKey(CurrentRegKey);
}

void TRegistryPage::RegViewChange() {
  bool selected = RegView.SelectedIndex() >= 0;
  EditRegBtn.SetEnabled(selected);
  RemoveRegBtn.SetEnabled(selected);
}

void TRegistryPage::RegViewExit() {
  EditRegBtn.SetEnabled(false);
  RemoveRegBtn.SetEnabled(false);
}

void TRegistryPage::RegViewEditing(bool& allowEdit) { allowEdit = false; }

void TRegistryPage::RegViewDblClick() { EditRegBtnClick(); }

void TRegistryPage::RegViewColumnClick(int column) { SortByColumnClick(RegView, column); }

void TRegistryPage::RegViewCheck(int index) {
  if (EditableHere(index) && MakeRoomAtDestination(index)) RegChanged = true;
  else RegView.SetChecked(index, !RegView.Checked(index));
}

// A key, and the sub-key too, holds one value of a name: switching an entry
// where a row of its name is going replaces that row's value, so the row
// goes only when the user agrees.
bool TRegistryPage::MakeRoomAtDestination(int index) {
  const TListRow row = RegView.Row(index);
  const bool toKey = BelongsInKey(row);
  const std::wstring identity = ValueIdentity({row.caption, ""});
  for (int i = 0; i < RegView.Count(); ++i) {
    if (i == index) continue;
    const TListRow other = RegView.Row(i);
    if (BelongsInKey(other) != toKey || ValueIdentity({other.caption, ""}) != identity) continue;
    if (!RunRowEditable(other.data)) {
      ShowError(RegistryTexts::NameOfEntryNotEditableHere(row.caption));
      return false;
    }
    if (!Confirm(ReplaceQuestion(RegistryTexts::ShownName(row.caption)))) return false;
    RegView.Delete(i);
    UpdateListButtons();
    return true;
  }
  return true;
}

void TRegistryPage::UpdateListButtons() {
  RegExportBtn.SetEnabled(RegView.Count() > 0);
  RegCheckBtn.SetEnabled(RegExportBtn.Enabled());
}
