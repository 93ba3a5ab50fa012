#include "app/InfoPage.h"

#include "res/resource.h"
#include "toolkit/Application.h"
#include "version.h"

TInfoPage::TInfoPage(HWND pageControl)
    : TDialog(pageControl, IDD_INFO),
      Label9(*this, IDC_LABEL9),
      Label10(*this, IDC_LABEL10),
      HelpBtn(*this, IDC_HELPBTN) {
  Label9.SetText(std::string("Velmora Version ") + VELMORA_VERSION);
  HelpBtn.OnClick = [this] { HelpBtnClick(); };
}

void TInfoPage::HelpBtnClick() { Application().HelpCommand(HELP_FINDER, 0); }
