#include "registry/RegAdd.h"

#include <commdlg.h>

#include "registry/RegistryTexts.h"
#include "res/resource.h"
#include "support/Tools.h"
#include "toolkit/Interaction.h"

TRegAddDlg::TRegAddDlg(HWND owner)
    : TDialog(owner, IDD_REGADD),
      Label1(*this, IDC_REGADD_LABEL1),
      Label2(*this, IDC_REGADD_LABEL2),
      StringEdit(*this, IDC_STRINGEDIT),
      ValueEdit(*this, IDC_VALUEEDIT),
      SeekBtn(*this, IDC_SEEKBTN),
      OKBtn(*this, IDOK),
      CancelBtn(*this, IDCANCEL) {
  SetCaption(RegistryTexts::kAddCaption);
  OKBtn.ModalResult = TModalResult::Ok;
  CancelBtn.ModalResult = TModalResult::Cancel;
  StringEdit.OnChange = [this] { StringEditChange(); };
  ValueEdit.OnChange = [this] { ValueEditChange(); };
  SeekBtn.OnClick = [this] { SeekBtnClick(); };
  UpdateOkButton();
}

void TRegAddDlg::UpdateOkButton() { OKBtn.SetEnabled(!StringEdit.Text().empty() && !ValueEdit.Text().empty()); }
void TRegAddDlg::StringEditChange() { UpdateOkButton(); }
void TRegAddDlg::ValueEditChange() { UpdateOkButton(); }

void TRegAddDlg::SeekBtnClick() {
  TFileDialogSpec openDialog;
  openDialog.filter = "Ausführbare Dateien (*.exe)|*.exe|Alle Dateien (*.*)|*.*";
  openDialog.options = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
  std::string fileName;
  if (!Interaction().OpenFile(openDialog, fileName)) return;
  ValueEdit.SetText(fileName);
  if (StringEdit.Text().empty()) StringEdit.SetText(EntryNameOf(fileName));
}

std::string EntryNameOf(const std::string& path) { return ChangeFileExt(ExtractFileName(path), ""); }
