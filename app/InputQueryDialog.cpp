#include "app/InputQueryDialog.h"

#include "res/resource.h"

TInputQueryDialog::TInputQueryDialog(HWND owner, const std::string& caption, const std::string& prompt,
                                     const std::string& value)
    : TDialog(owner, IDD_INPUTQUERY),
      PromptLabel(*this, IDC_INPUT_PROMPT),
      ValueEdit(*this, IDC_INPUT_EDIT),
      OKBtn(*this, IDOK),
      CancelBtn(*this, IDCANCEL) {
  SetCaption(caption);
  PromptLabel.SetText(prompt);
  ValueEdit.SetText(value);
  SendMessageA(ValueEdit.Handle(), EM_SETSEL, 0, -1);
  OKBtn.ModalResult = TModalResult::Ok;
  CancelBtn.ModalResult = TModalResult::Cancel;
}
