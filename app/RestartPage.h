#pragma once
// The last page: restart Windows, shut it down or log off.

#include <functional>

#include "toolkit/Button.h"
#include "toolkit/Dialog.h"
#include "toolkit/RadioGroup.h"

class TRestartPage : public TDialog {
 public:
  // closeMainWindow closes the window the normal way, questions included.
  TRestartPage(HWND pageControl, std::function<void()> closeMainWindow);

  TLabel Bevel3, Label16;
  TRadioGroup RadioGroup;
  TButton RestartBtn;

  void RestartBtnClick();

 private:
  std::function<void()> closeMainWindow_;
};
