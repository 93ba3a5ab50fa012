#pragma once
// "msdos.sys": the boot options of Windows 95, 98 and Me as check boxes,
// radio groups and delays on two notebook pages, or the whole file as text
// on a third. Every control change is written into the text at once.

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "pages/MsdosOptions.h"
#include "pages/TextFilePage.h"
#include "toolkit/Button.h"
#include "toolkit/CheckBox.h"
#include "toolkit/Dialog.h"
#include "toolkit/Edit.h"
#include "toolkit/Memo.h"
#include "toolkit/Notebook.h"
#include "toolkit/Page.h"
#include "toolkit/PageControl.h"
#include "toolkit/RadioGroup.h"
#include "toolkit/UpDown.h"

class TMsdosPage : public TDialog, public TPage {
 public:
  static constexpr int kGraphical1 = 0, kGraphical2 = 1, kSource = 2;

  TMsdosPage(HWND pageControlHandle, TPageControl& pageControl, bool& msdosChanged,
             std::function<bool(const std::string&)> makeBackupCopy);
  ~TMsdosPage() override;

  TButton msdosSaveBtn, msdosRefreshBtn, msdossysPrintBtn, msdossyssourceBtn;
  TNotebook msdossysnb;
  // First graphical page.
  TCheckBox BootKeysChkBox, BootMenuChkBox, BootDelayChkBox, BootGUIChkBox, NetworkChkBox, BootMultiChkBox;
  TEdit BootMenuDelayEdit, BootDelayEdit;
  TUpDown BootMenuDelayUpDown, BootDelayUpDown;
  TRadioGroup BootMenuDefaultRG;
  TButton MoreBtn1;
  TLabel NTLabel;
  // Second graphical page.
  TCheckBox LogoChkBox, DblSpaceChkBox, DrvSpaceChkBox, LoadTopChkBox, DoubleBufferChkBox;
  TRadioGroup AutoScanRG;
  TButton MoreBtn2;
  // The source.
  TMemo msdosMemo;
  bool& MsdosChanged;

  // The first graphical page, filled from the file.
  void Load() override;
  void Save() override { msdosSaveBtnClick(); }
  // The NT family does not boot from msdos.sys: the page only shows it.
  void ApplyPlatform(bool isWinNT) override;

  void msdosRefreshBtnClick();
  void msdosSaveBtnClick();
  void msdossyssourceBtnClick();
  void MoreBtn1Click(const TButton& sender);
  void BootDelayChkBoxClick();

  void RebuildMsdosUpperLines();
  void FillMsdosControls();
  std::string ReadMsdosOption(const std::string& key);
  void WriteMsdosOption(const std::string& key, const std::string& value);

  // msdos.sys in the root of the boot drive.
  static std::string MsdosPath();

 private:
  // The check boxes with the option each of them stands for.
  using TOptionBox = std::pair<TCheckBox*, const char*>;
  std::array<TOptionBox, 10> OptionBoxes();
  void ConnectHandlers();
  void ReadMsdosFile();
  void ConnectDelay(TEdit& edit, TUpDown& upDown, const char* key, int maximum);
  void SetControl(const TMsdosOption& option, const std::string& value);
  void FillEachOption();
  void SetLinesFromText(const std::string& text);
  // The memo shows the lines again after the model changed them; while the
  // controls are filled only once at the end, so that filling stays linear
  // in the file's size.
  void ShowLines();

  TPageControl& pages_;
  std::function<bool(const std::string&)> makeBackupCopy_;
  TMsdosLines lines_;
  bool endsWithLineBreak_ = false;
  bool filling_ = false;
  bool memoBehind_ = false;  // the memo does not show the lines yet
  TFileShown shown_ = TFileShown::Whole;
  HFONT ntLabelFont_ = nullptr;  // NTLabel's bold font
};

// The lines that pad msdos.sys to at least 1024 bytes, as Windows 9x needs:
// none from 1024 bytes on, else (1024 - size) / 70 + 1 lines of ";" and 71 "x".
std::string MsdosPadding(long long size);
