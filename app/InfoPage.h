#pragma once
#include "controls/HTTPLabel.h"
#include "toolkit/Button.h"
#include "toolkit/Dialog.h"

// The first page: program icon, name, version, the maker's links and the
// help button.
class TInfoPage : public TDialog {
 public:
  explicit TInfoPage(HWND pageControl);

  TLabel Label9;   // "Velmora Version " and the version
  TLabel Label10;  // "Besuchen Sie uns im Internet:"
  THTTPLabel HTTPLabel;       // the maker's web page
  THTTPLabel CopyrightLabel;  // a mail to the maker
  TButton HelpBtn;

  // Opens the contents of the help file.
  void HelpBtnClick();
};
