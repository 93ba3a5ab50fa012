#include "registry/RegFileDialog.h"

#include <windows.h>
#include <commdlg.h>

#include "registry/RegistryTexts.h"
#include "support/WholeFile.h"

TFileDialogSpec RegSaveDialog() {
  TFileDialogSpec dialog;
  dialog.defaultExt = "reg";
  dialog.filter = "Registrierungsdateien (*.reg)|*.reg|Alle  Dateien (*.*)|*.*";
  dialog.options = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOREADONLYRETURN |
                   OFN_NODEREFERENCELINKS | OFN_ENABLESIZING;
  return dialog;
}

void WriteRegFile(const std::string& fileName, const std::string& text, const std::string& leftOut) {
  switch (WriteWholeFile(fileName, text)) {
    case TWriteResult::NotCreated:
      ShowError(RegistryTexts::CannotCreate(fileName));
      return;
    case TWriteResult::Incomplete:
      ShowError(RegistryTexts::CannotWrite(fileName));
      return;
    case TWriteResult::Written:
      ShowInfo(RegistryTexts::kSaved);
      if (!leftOut.empty()) ShowError(RegistryTexts::NotExported(leftOut));
  }
}
