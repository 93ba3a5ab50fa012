// "Export": the entries shown, unsaved changes included, as a REGEDIT4 file.
#include <windows.h>
#include <commdlg.h>

#include "registry/RegExport.h"
#include "registry/RegistryPage.h"
#include "registry/RegistryTexts.h"
#include "registry/RunRowData.h"
#include "support/WholeFile.h"
#include "toolkit/Interaction.h"

namespace {

TFileDialogSpec RegSaveDialog() {
  TFileDialogSpec dialog;
  dialog.defaultExt = "reg";
  dialog.filter = "Registrierungsdateien (*.reg)|*.reg|Alle  Dateien (*.*)|*.*";
  dialog.options = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOREADONLYRETURN |
                   OFN_NODEREFERENCELINKS | OFN_ENABLESIZING;
  return dialog;
}

// The entries that are switched on: a file imported later starts what it
// holds. A REGEDIT4 file is ANSI text: an entry the ANSI code page cannot
// carry would come back from it with '?' in its name or program, so it is
// left out (and named, see below).
std::vector<TRegExportRow> ExportRows(const TListView& view) {
  std::vector<TRegExportRow> rows;
  for (int i = 0; i < view.Count(); ++i) {
    TListRow row = view.Row(i);
    if (row.checked && RunRowEditable(row.data))
      rows.push_back({row.caption, row.subItem, RunRowType(row.data) == REG_EXPAND_SZ});
  }
  return rows;
}

std::string NamesLeftOut(const TListView& view) {
  std::string names;
  for (int i = 0; i < view.Count(); ++i)
    if (view.Checked(i) && !RunRowEditable(view.Data(i)))
      names += (names.empty() ? "\"" : ", \"") + RegistryTexts::ShownName(view.Caption(i)) + "\"";
  return names;
}

bool AnySwitchedOff(const TListView& view) {
  for (int i = 0; i < view.Count(); ++i)
    if (!view.Checked(i)) return true;
  return false;
}

}  // namespace

void TRegistryPage::RegExportBtnClick() {
  TPageControlBusy busy(AutoStartPageControl);
  if (RegView.Count() == 0) {
    ShowInfo(RegistryTexts::kNothingToExport);
    return;
  }
  if (auto name = NameThatCannotBeExported(ExportRows(RegView))) {
    ShowError(RegistryTexts::NameWithLineBreak(*name));
    return;
  }
  std::string fileName;  // the dialog never proposes a name
  if (!Interaction().SaveFile(RegSaveDialog(), fileName)) return;
  WriteExportFile(fileName);
}

void TRegistryPage::WriteExportFile(const std::string& fileName) {
  const std::string note = AnySwitchedOff(RegView) ? RegistryTexts::kSwitchedOffNotExported : "";
  switch (WriteWholeFile(fileName, RegExportText(CurrentRegKey, ExportRows(RegView), note))) {
    case TWriteResult::NotCreated:
      ShowError(RegistryTexts::CannotCreate(fileName));
      return;
    case TWriteResult::Incomplete:
      ShowError(RegistryTexts::CannotWrite(fileName));
      return;
    case TWriteResult::Written:
      ShowInfo(RegistryTexts::kSaved);
      if (const std::string leftOut = NamesLeftOut(RegView); !leftOut.empty())
        ShowError(RegistryTexts::NotExported(leftOut));
  }
}
