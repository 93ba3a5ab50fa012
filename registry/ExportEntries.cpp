// "Export": the entries shown, unsaved changes included, as a REGEDIT4 file.
#include <windows.h>
#include <commdlg.h>

#include "registry/RegExport.h"
#include "registry/RegFileDialog.h"
#include "registry/RegistryPage.h"
#include "registry/RegistryTexts.h"
#include "support/AnsiText.h"
#include "toolkit/Interaction.h"

namespace {

// The entries that are switched on: a file imported later starts what it
// holds. A REGEDIT4 file is ANSI text: an entry the ANSI code page cannot
// carry would come back from it with '?' in its name or program, so it is
// left out (and named, see below).
std::vector<TRegExportRow> ExportRows(const std::vector<const TRunEntry*>& entries) {
  std::vector<TRegExportRow> rows;
  for (const TRunEntry* entry : entries) {
    const TStartupEntry& shown = entry->entry;
    if (shown.state == TEntryState::On && shown.editable)
      rows.push_back({AnsiForm(shown.name), AnsiForm(shown.command), shown.type == REG_EXPAND_SZ});
  }
  return rows;
}

std::string NamesLeftOut(const std::vector<const TRunEntry*>& entries) {
  std::string names;
  for (const TRunEntry* entry : entries)
    if (entry->entry.state == TEntryState::On && !entry->entry.editable)
      names += (names.empty() ? "\"" : ", \"") + RegistryTexts::ShownName(AnsiForm(entry->entry.name)) + "\"";
  return names;
}

bool AnySwitchedOff(const std::vector<const TRunEntry*>& entries) {
  for (const TRunEntry* entry : entries)
    if (entry->entry.state != TEntryState::On) return true;
  return false;
}

}  // namespace

void TRegistryPage::RegExportBtnClick() {
  TPageControlBusy busy(AutoStartPageControl);
  if (rows_.empty()) {
    ShowInfo(RegistryTexts::kNothingToExport);
    return;
  }
  if (auto name = NameThatCannotBeExported(ExportRows(ShownEntries()))) {
    ShowError(RegistryTexts::NameWithLineBreak(*name));
    return;
  }
  std::string fileName;  // the dialog never proposes a name
  if (!Interaction().SaveFile(RegSaveDialog(), fileName)) return;
  WriteExportFile(fileName);
}

void TRegistryPage::WriteExportFile(const std::string& fileName) {
  const std::vector<const TRunEntry*> entries = ShownEntries();
  const std::string note = AnySwitchedOff(entries) ? RegistryTexts::kSwitchedOffNotExported : "";
  WriteRegFile(fileName, RegExportText(CurrentRegKey, ExportRows(entries), note), NamesLeftOut(entries));
}
