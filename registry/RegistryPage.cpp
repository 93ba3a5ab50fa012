#include "registry/RegistryPage.h"

#include <commctrl.h>

#include <algorithm>
#include <unordered_map>
#include <utility>

#include "registry/ListViewCompare.h"
#include "registry/RegistryTexts.h"
#include "registry/RunKeyPath.h"
#include "registry/RunTypeKeys.h"
#include "registry/StartupStatus.h"
#include "res/resource.h"
#include "support/AnsiText.h"
#include "support/SwitchedOffEntries.h"
#include "support/Tools.h"
#include "support/WideText.h"
#include "support/WindowsVersion.h"
#include "toolkit/Interaction.h"

namespace {

constexpr int kKeyButtonGroup = 1;
// Posted by a click on a row's box: wParam is the entry's id, lParam the
// load it belongs to.
constexpr UINT kSwitchEntryMessage = WM_APP + 1;

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
  RegView.SetRowImage(kRowImage);
  ConnectHandlers();
}

// Each button selects its key through this table; its hint shows the key's
// full path.
void TRegistryPage::SetUpKeyButtons() {
  TMySpeedButton* const buttons[] = {&HKLMRunBtn,     &HKCURunBtn,       &HKLMRunServicesBtn, &HKLMRunOnceBtn,
                                     &HKCURunOnceBtn, &HKLMRunServicesOnceBtn, &HKLMRun32Btn, &HKLMRunOnce32Btn,
                                     &HKLMPolicyRunBtn, &HKCUPolicyRunBtn};
  const std::vector<TRunTypeKey>& keys = RunTypeKeys();
  for (size_t i = 0; i < keys.size(); ++i) {
    TMySpeedButton* button = buttons[i];
    keyButtons_.push_back({button, keys[i].path});
    button->SetHint(keys[i].path);
    button->GroupIndex = kKeyButtonGroup;
    button->OnClick = [this, button] { RegistryReadBtnClick(*button); };
    button->SetVisible(keys[i].shown);
  }
  HKLMRunBtn.SetDown(true);
}

const std::string& TRegistryPage::KeyPathOf(const TSpeedButton& button) const {
  for (const TKeyButton& key : keyButtons_)
    if (key.button == &button) return key.keyPath;
  return keyButtons_.front().keyPath;
}

void TRegistryPage::ConnectHandlers() {
  RegView.OnChange = [this] { RegViewChange(); };
  RegView.OnExit = [this] { RegViewExit(); };
  RegView.OnEditing = [this](int, bool& allowEdit) { RegViewEditing(allowEdit); };
  RegView.OnColumnClick = [this](int column) { RegViewColumnClick(column); };
  RegView.OnDblClick = [this] { RegViewDblClick(); };
  RegView.OnCheck = [this](int index) { RegViewCheck(index); };
  RegView.RowText = [this](int row, int column) { return RowText(row, column); };
  RegView.RowChecked = [this](int row) {
    const TRunEntry* entry = EntryOfRow(row);
    return entry && entry->entry.state == TEntryState::On;
  };
  AddRegBtn.OnClick = [this] { AddRegBtnClick(); };
  EditRegBtn.OnClick = [this] { EditRegBtnClick(); };
  RemoveRegBtn.OnClick = [this] { RemoveRegBtnClick(); };
  RegExportBtn.OnClick = [this] { RegExportBtnClick(); };
  RegCheckBtn.OnClick = [this] { RegCheckBtnClick(); };
  SaveRegBtn.OnClick = [this] { SaveRegBtnClick(); };
  RegRefreshBtn.OnClick = [this] { RegRefreshBtnClick(); };
}

void TRegistryPage::ClearRegView() {
  rows_.clear();
  RegView.ShowRows(0, TOwnerDataListView::TScroll::ToTop);
}

void TRegistryPage::Load() {
  HKLMRunBtn.SetDown(true);
  LoadRegKey(KeyPathOf(HKLMRunBtn));
}

void TRegistryPage::LoadRegKey(const std::string& keyPath) {
  TPageControlBusy busy(AutoStartPageControl);
  RegChanged = false;
  ClearRegView();
  CurrentRegKey = keyPath;
  ++loads_;
  entries_.emplace(keyPath);
  entries_->Load();
  UpdateRows({});
  SortBy(0, true);
  ShowRows(0, TOwnerDataListView::TScroll::ToTop);
}

TListRow TRegistryPage::RowOf(const TRunEntry& entry) const {
  const TStartupEntry& shown = entry.entry;
  const bool waiting = shown.state == TEntryState::OffByVelmora;
  return {AnsiForm(shown.name), AnsiForm(shown.command), kRowImage, 0,
          StartupStatusText(entries_->Approvals(), shown.name, waiting), shown.state == TEntryState::On};
}

const TRunEntry* TRegistryPage::EntryOfRow(int row) const {
  return row >= 0 && row < static_cast<int>(rows_.size()) ? &entries_->Entries()[rows_[row]] : nullptr;
}

// Asked for the rows the list draws only: a key can hold many thousands of
// values.
std::string TRegistryPage::RowText(int row, int column) const {
  const TRunEntry* entry = EntryOfRow(row);
  if (!entry) return "";
  const TListRow shown = RowOf(*entry);
  return column == 0 ? shown.caption : column == 1 ? shown.subItem : shown.subItem2;
}

std::vector<int> TRegistryPage::ShownIds() const {
  std::vector<int> ids;
  ids.reserve(rows_.size());
  for (size_t row : rows_) ids.push_back(entries_->Entries()[row].id);
  return ids;
}

// Each entry found by its id once, not by a search through the key for
// every row.
void TRegistryPage::UpdateRows(const std::vector<int>& shownIds) {
  const std::vector<TRunEntry>& entries = entries_->Entries();
  std::unordered_map<int, size_t> unlisted;
  for (size_t i = 0; i < entries.size(); ++i)
    if (!entries[i].removed) unlisted.emplace(entries[i].id, i);
  std::vector<size_t> rows;
  rows.reserve(unlisted.size());
  for (int id : shownIds)
    if (auto found = unlisted.find(id); found != unlisted.end()) {
      rows.push_back(found->second);
      unlisted.erase(found);
    }
  for (size_t i = 0; i < entries.size(); ++i)
    if (!entries[i].removed && unlisted.erase(entries[i].id)) rows.push_back(i);
  rows_ = std::move(rows);
}

void TRegistryPage::Draw() {
  const int selectedId = SelectedId();
  UpdateRows(ShownIds());
  ShowRows(selectedId);
}

void TRegistryPage::ShowRows(int selectedId, TOwnerDataListView::TScroll scroll) {
  RegView.ShowRows(static_cast<int>(rows_.size()), scroll);
  SelectEntry(selectedId);
  UpdateListButtons();
}

void TRegistryPage::SortRows(int column, bool ascending) {
  const int selectedId = SelectedId();
  UpdateRows(ShownIds());
  SortBy(column, ascending);
  ShowRows(selectedId);
}

// Each row's texts are made once, not at every comparison.
void TRegistryPage::SortBy(int column, bool ascending) {
  std::vector<std::pair<size_t, TListRow>> rows;
  rows.reserve(rows_.size());
  for (size_t row : rows_) rows.emplace_back(row, RowOf(entries_->Entries()[row]));
  std::stable_sort(rows.begin(), rows.end(), [&](const auto& a, const auto& b) {
    return CompareByColumn(a.second, b.second, column, ascending) < 0;
  });
  for (size_t i = 0; i < rows.size(); ++i) rows_[i] = rows[i].first;
}

std::vector<const TRunEntry*> TRegistryPage::ShownEntries() const {
  std::vector<const TRunEntry*> shown;
  shown.reserve(rows_.size());
  for (size_t row : rows_) shown.push_back(&entries_->Entries()[row]);
  return shown;
}

// A row whose entry the user removed stays shown until the list is drawn
// again: it is selected no more.
const TRunEntry* TRegistryPage::Selected() const {
  const TRunEntry* entry = EntryOfRow(RegView.SelectedIndex());
  return entry && !entry->removed ? entry : nullptr;
}

int TRegistryPage::SelectedId() const {
  const TRunEntry* selected = Selected();
  return selected ? selected->id : 0;
}

// The list keeps its selection by row number: a row that now shows another
// entry is no longer selected.
void TRegistryPage::SelectEntry(int id) {
  for (int row = 0; id != 0 && row < static_cast<int>(rows_.size()); ++row)
    if (EntryOfRow(row)->id == id) {
      RegView.Select(row);
      return;
    }
  if (RegView.SelectedIndex() >= 0) RegView.Select(-1);
}

void TRegistryPage::RegistryReadBtnClick(TSpeedButton& sender) {
  const std::string& keyPath = KeyPathOf(sender);
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

void TRegistryPage::RegViewColumnClick(int column) {
  SortRows(column, RegView.Tag == 0);
  RegView.Tag = 1 - RegView.Tag;
}

// A question asked while the list is inside its own notification would run
// a message loop there, and the list rebuilt under it: both wait.
void TRegistryPage::RegViewCheck(int index) {
  if (const TRunEntry* entry = EntryOfRow(index))
    PostMessageA(Handle(), kSwitchEntryMessage, static_cast<WPARAM>(entry->id), static_cast<LPARAM>(loads_));
}

// A click on a list loaded anew since is for an entry no longer shown.
INT_PTR TRegistryPage::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != kSwitchEntryMessage) return TDialog::HandleMessage(msg, wParam, lParam);
  if (lParam == static_cast<LPARAM>(loads_)) SwitchEntry(static_cast<int>(wParam));
  return TRUE;
}

// Each click turns the entry's switch; the box then shows what the entry is.
void TRegistryPage::SwitchEntry(int id) {
  if (const TRunEntry* entry = entries_->Find(id)) {
    const bool on = entry->entry.state != TEntryState::On;
    const std::string name = AnsiForm(entry->entry.name);
    if (EditableHere(*entry)) Settle(name, [=, this](bool replace) { return entries_->Switch(id, on, replace); });
  }
  Draw();
}

void TRegistryPage::UpdateListButtons() {
  RegExportBtn.SetEnabled(RegView.Count() > 0);
  RegCheckBtn.SetEnabled(RegExportBtn.Enabled());
}
