#pragma once
// The entry dialog of the Registry page: a name, a command line and a file
// browser. OK is possible only while both fields hold something.

#include "toolkit/Button.h"
#include "toolkit/Dialog.h"
#include "toolkit/Edit.h"

class TRegAddDlg : public TDialog {
 public:
  explicit TRegAddDlg(HWND owner);

  TLabel Label1, Label2;
  TEdit StringEdit, ValueEdit;
  TButton SeekBtn, OKBtn, CancelBtn;

  void StringEditChange();
  void ValueEditChange();
  void SeekBtnClick();

 private:
  void UpdateOkButton();
};

// The name a program file suggests: its file name without the extension
// ("C:\Tools\my.tool.exe" gives "my.tool").
std::string EntryNameOf(const std::string& path);
