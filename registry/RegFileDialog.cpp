#include "registry/RegFileDialog.h"

#include <windows.h>
#include <commdlg.h>

TFileDialogSpec RegSaveDialog() {
  TFileDialogSpec dialog;
  dialog.defaultExt = "reg";
  dialog.filter = "Registrierungsdateien (*.reg)|*.reg|Alle  Dateien (*.*)|*.*";
  dialog.options = OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOREADONLYRETURN |
                   OFN_NODEREFERENCELINKS | OFN_ENABLESIZING;
  return dialog;
}
