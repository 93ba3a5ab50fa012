// Adding, changing and removing entries of the Registry page. Nothing here
// reaches the registry: every change only marks the page as changed.
#include <windows.h>

#include "registry/RegAdd.h"
#include "registry/RegistryPage.h"
#include "registry/RegistryTexts.h"
#include "registry/RunRowData.h"
#include "support/KeyChanges.h"
#include "support/Tools.h"
#include "support/WideText.h"
#include "toolkit/Interaction.h"

namespace {

std::string UpperCase(std::string text) {
  CharUpperBuffA(text.data(), static_cast<DWORD>(text.size()));
  return text;
}

}  // namespace

bool TRegistryPage::RunEntryDialog(const std::string& caption, std::string& name, std::string& value) {
  TRegAddDlg dialog(GetAncestor(Handle(), GA_ROOT));
  dialog.SetCaption(caption);
  dialog.StringEdit.SetText(name);
  dialog.ValueEdit.SetText(value);
  if (Interaction().ShowModal(dialog) != TModalResult::Ok) return false;
  name = Trim(dialog.StringEdit.Text());
  value = Trim(dialog.ValueEdit.Text());
  return true;
}

bool TRegistryPage::EditableHere(int index) {
  if (RunRowEditable(RegView.Data(index))) return true;
  ShowError(RegistryTexts::NotEditableHere(RegView.Caption(index)));
  return false;
}

bool TRegistryPage::NameFreeForEditing(const std::string& name) {
  const std::wstring identity = ValueIdentity({name, ""});
  for (const TRunValue& value : loaded_)
    if (!value.ansiForm && ValueIdentity(value) == identity) {
      ShowError(RegistryTexts::NameOfEntryNotEditableHere(name));
      return false;
    }
  return true;
}

void TRegistryPage::AddRegBtnClick() {
  std::string name, value;
  if (!RunEntryDialog(RegistryTexts::kAddCaption, name, value) || !NameFreeForEditing(name)) return;
  RegChanged = true;
  RegView.Add({name, value, kRowImage, REG_SZ, StatusOf(WideFromAnsi(name), false)});
  UpdateListButtons();
}

void TRegistryPage::EditRegBtnClick() {
  int index = RegView.SelectedIndex();
  if (index < 0 || !EditableHere(index)) return;
  std::string name = RegView.Caption(index), value = RegView.SubItem(index);
  if (!RunEntryDialog(RegistryTexts::kEditCaption, name, value) || !NameFreeForEditing(name)) return;
  RegChanged = true;
  RegView.SetSubItem(index, value);
  // The row keeps its type: an expandable string stays one.
  if (name == RegView.Caption(index)) return;
  RegView.SetSubItem2(index, StatusOf(WideFromAnsi(name), RunRowLoadedWaiting(RegView.Data(index))));
  RegView.SetCaption(index, name);
}

bool TRegistryPage::ConfirmSpecialRemoval(const std::string& name) {
  const std::string upper = UpperCase(name);
  if (upper == "SYSTEMTRAY") return Confirm(RegistryTexts::kSystemTrayWarning);
  if (upper == "TASKMON.EXE" || upper == "TASKMONITOR") return Confirm(RegistryTexts::kTaskMonitorWarning);
  if (upper == "MORVANE")
    ShowInfo(RegistryTexts::kMorvaneNote);
  return true;
}

void TRegistryPage::RemoveRegBtnClick() {
  int index = RegView.SelectedIndex();
  if (index < 0 || !EditableHere(index)) return;
  const std::string name = RegView.Caption(index);
  if (!Confirm(RegistryTexts::RemoveQuestion(name)) || !ConfirmSpecialRemoval(name)) return;
  RegChanged = true;
  RegView.Delete(index);
  UpdateListButtons();
}
