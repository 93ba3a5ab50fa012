// Adding, changing and removing entries of the Registry page. Nothing here
// reaches the registry: every change only marks the page as changed.
#include <windows.h>

#include "registry/RegAdd.h"
#include "registry/RegistryPage.h"
#include "registry/RegistryTexts.h"
#include "support/AnsiText.h"
#include "support/SwitchedOffEntries.h"
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

bool TRegistryPage::EditableHere(const TRunEntry& entry) {
  if (entry.entry.editable) return true;
  ShowError(RegistryTexts::NotEditableHere(AnsiForm(entry.entry.name)));
  return false;
}

bool TRegistryPage::Settle(const std::string& name, const std::function<TEditResult(bool replace)>& edit) {
  TEditResult result = edit(false);
  if (result.collision == TCollision::SameName && Confirm(ReplaceQuestion(RegistryTexts::ShownName(name))))
    result = edit(true);
  switch (result.collision) {
    case TCollision::None:
      RegChanged = true;
      return true;
    case TCollision::NotEditable:
      ShowError(RegistryTexts::NotEditableHere(name));
      break;
    case TCollision::NameNotEditable:
      ShowError(RegistryTexts::NameOfEntryNotEditableHere(name));
      break;
    case TCollision::NameNotText:
      ShowError(RegistryTexts::NameOfValueNotText(name));
      break;
    case TCollision::SameName:  // the user keeps both
      break;
  }
  return false;
}

void TRegistryPage::AddRegBtnClick() {
  std::string name, value;
  if (!RunEntryDialog(RegistryTexts::kAddCaption, name, value)) return;
  if (!Settle(name, [&](bool replace) { return entries_->Add(WideFromAnsi(name), WideFromAnsi(value), replace); }))
    return;
  SortRows(0, true);
}

void TRegistryPage::EditRegBtnClick() {
  const TRunEntry* entry = Selected();
  if (!entry || !EditableHere(*entry)) return;
  const int id = entry->id;
  const std::string oldName = AnsiForm(entry->entry.name);
  std::string name = oldName, value = AnsiForm(entry->entry.command);
  if (!RunEntryDialog(RegistryTexts::kEditCaption, name, value)) return;
  if (!Settle(name, [&](bool replace) {
        return entries_->Change(id, WideFromAnsi(name), WideFromAnsi(value), replace);
      }))
    return;
  // A changed name takes its place in name order.
  if (name != oldName)
    SortRows(0, true);
  else
    Draw();
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
  const TRunEntry* entry = Selected();
  if (!entry || !EditableHere(*entry)) return;
  const int id = entry->id;
  const std::string name = AnsiForm(entry->entry.name);
  if (!Confirm(RegistryTexts::RemoveQuestion(name)) || !ConfirmSpecialRemoval(name)) return;
  entries_->Remove(id);
  RegChanged = true;
  Draw();
}
