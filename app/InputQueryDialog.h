#pragma once
// The input box: a prompt, one line of text, OK and Cancel.

#include <string>

#include "toolkit/Button.h"
#include "toolkit/Dialog.h"
#include "toolkit/Edit.h"

class TInputQueryDialog : public TDialog {
 public:
  TInputQueryDialog(HWND owner, const std::string& caption, const std::string& prompt, const std::string& value);

  TLabel PromptLabel;
  TEdit ValueEdit;
  TButton OKBtn, CancelBtn;
};
