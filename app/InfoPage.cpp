#include "app/InfoPage.h"

#include "res/resource.h"
#include "version.h"

TInfoPage::TInfoPage(HWND pageControl)
    : TDialog(pageControl, IDD_INFO), Label9(*this, IDC_LABEL9), Label10(*this, IDC_LABEL10), HelpBtn(*this, IDC_HELPBTN) {
  Label9.SetText(std::string("Velmora Version ") + VELMORA_VERSION);
}
