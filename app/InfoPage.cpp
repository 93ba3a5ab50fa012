#include "app/InfoPage.h"

#include "res/resource.h"
#include "toolkit/Application.h"
#include "version.h"

namespace {

void SetUpLink(THTTPLabel& label, const std::string& url, TColor textColor) {
  label.HighLightOnBlankURL = false;
  label.SetBGColorNormal(clBtnFace);
  label.SetBGColorHighlight(clHighlight);
  label.SetFontColorNormal(textColor);
  label.SetFontColHighlightFocused(clHighlightText);
  label.SetFontColHighlightNoneFocused(clHighlight);
  label.SetFontStyleNormal(0);
  label.SetFontStyleHighlightFocused(fsUnderline);
  label.SetFontStyleHighlightNoneFocused(fsUnderline);
  label.SetShowUrlAsHint(false);
  label.SetUrl(url);
}

}  // namespace

TInfoPage::TInfoPage(HWND pageControl)
    : TDialog(pageControl, IDD_INFO),
      Label9(*this, IDC_LABEL9),
      Label10(*this, IDC_LABEL10),
      HTTPLabel(*this, IDC_HTTPLABEL),
      CopyrightLabel(*this, IDC_COPYRIGHTLABEL),
      HelpBtn(*this, IDC_HELPBTN) {
  Label9.SetText(std::string("Velmora Version ") + VELMORA_VERSION);
  SetUpLink(HTTPLabel, "http://www.velmora.example/", clBtnText);
  SetUpLink(CopyrightLabel, "mailto:info@velmora.example", clWindowText);
  HelpBtn.OnClick = [this] { HelpBtnClick(); };
}

void TInfoPage::HelpBtnClick() { Application().HelpCommand(HELP_FINDER, 0); }
