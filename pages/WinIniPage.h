#pragma once
// "Win.ini": the run= and load= entries of the [windows] section, each a
// list of programs separated by blanks.

#include <array>
#include <functional>
#include <string>

#include "controls/MySpeedButton.h"
#include "support/MyIni.h"
#include "toolkit/Button.h"
#include "toolkit/Dialog.h"
#include "toolkit/Edit.h"
#include "toolkit/Page.h"
#include "toolkit/PageControl.h"

class TWinIniPage : public TDialog, public TPage {
 public:
  static constexpr int kMaxValueLength = 255;

  TWinIniPage(HWND pageControlHandle, TPageControl& pageControl, TTheIniFile& iniFile, bool& winIniChanged,
              std::function<bool(const std::string&)> makeBackupCopy);

  TLabel Label2, Label3, Label4, Label7;
  TEdit RunEdit, LoadEdit;
  TMySpeedButton WinIniAddBtn;
  TButton WinIniCheckBtn, WinIniSaveBtn, WinIniRefreshBtn, WinIniPrintBtn;
  bool& WinIniChanged;

  void WinIniRefreshBtnClick();
  void WinIniSaveBtnClick();
  void WinIniCheckBtnClick();
  void WinIniAddBtnClick();
  void WinIniFieldEditEnter() { WinIniAddBtn.SetEnabled(true); }
  void WinIniFieldEditExit() { WinIniAddBtn.SetEnabled(false); }

  // Reading without the question about unsaved changes.
  void Load() override;
  void Save() override { WinIniSaveBtnClick(); }
  // Win.ini in the Windows folder.
  static std::string WinIniPath();

 private:
  void OpenWinIni();
  // The keys of [windows] and their fields.
  std::array<std::pair<const char*, TEdit*>, 2> Fields();
  // A read-only field holds a value that cannot be edited here: it is left as it is.
  void WriteValue(const char* key, const TEdit& field);
  // Check needs something to check: applied after refresh, save and add.
  void UpdateCheckButton();

  TPageControl& pages_;
  TTheIniFile& IniFile;
  std::function<bool(const std::string&)> makeBackupCopy_;
};

// True when every blank-separated name of the value is an existing file;
// reports each missing one.
bool CheckFileList(const std::string& value);
