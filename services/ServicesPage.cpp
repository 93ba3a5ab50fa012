#include "services/ServicesPage.h"

#include <commctrl.h>

#include "res/resource.h"
#include "services/ServicesTexts.h"
#include "support/Tools.h"
#include "support/WideText.h"
#include "toolkit/Interaction.h"

namespace {

std::string StartText(const TServiceEntry& service) {
  if (service.entry.state == TEntryState::OffByVelmora) return ServicesTexts::kOffByVelmora;
  return service.start.delayed ? ServicesTexts::kDelayed : ServicesTexts::kAutomatic;
}

std::string EditMessage(const TServiceEdit& edit, const std::string& name) {
  switch (edit.outcome) {
    case TServiceOutcome::NotAllowed: return ServicesTexts::kReadOnly;
    case TServiceOutcome::NotEditable: return ServicesTexts::NotEditable(name);
    case TServiceOutcome::ChangedMeanwhile: return ServicesTexts::ChangedMeanwhile(name);
    case TServiceOutcome::Failed:
      return edit.step == TServiceStep::Remember ? ServicesTexts::CannotRemember(name, edit.error)
                                                 : ServicesTexts::CannotChange(name, edit.error);
    case TServiceOutcome::Done: break;
  }
  return "";
}

}  // namespace

TServicesPage::TServicesPage(HWND pageControlHandle, TPageControl& pageControl, HIMAGELIST images)
    : TDialog(pageControlHandle, IDD_SERVICES),
      ServicesLabel(*this, IDC_SERVICESLABEL),
      HideWindowsChkBox(*this, IDC_SERVICESHIDEWINDOWSCHKBOX),
      ServicesLV(*this, IDC_SERVICESLV),
      ServicesCheckBtn(*this, IDC_SERVICESCHECKBTN),
      ServicesRefreshBtn(*this, IDC_SERVICESREFRESHBTN),
      ServicesLVKeys(ServicesLV, [this] { return ServicesLVCommands(); }),
      pageControl_(pageControl) {
  ListView_SetExtendedListViewStyle(ServicesLV.Handle(), LVS_EX_FULLROWSELECT);
  ServicesLV.ShowCheckBoxes();
  ServicesLV.AddColumn(ServicesTexts::kColumnName, 150);
  ServicesLV.AddColumn(ServicesTexts::kColumnProgram, 190);
  ServicesLV.AddColumn(ServicesTexts::kColumnStart, 120);
  ServicesLV.AddColumn(ServicesTexts::kColumnCompany, 110);
  ServicesLV.SetSmallImages(images);
  // What the user sees first is what programs installed.
  HideWindowsChkBox.SetChecked(true);
  HideWindowsChkBox.OnClick = [this] { DrawServices(); };
  ServicesRefreshBtn.OnClick = [this] { ServicesRefreshBtnClick(); };
  ServicesCheckBtn.OnClick = [this] { ServicesCheckBtnClick(); };
  ServicesLV.OnCheck = [this](int index) { ServicesLVCheck(index); };
}

// The 9x family has nothing to list: the page is its one line.
void TServicesPage::ApplyPlatform(bool isWinNT) {
  for (TControl* control :
       std::initializer_list<TControl*>{&HideWindowsChkBox, &ServicesLV, &ServicesCheckBtn, &ServicesRefreshBtn})
    control->SetVisible(isWinNT);
  ShowState();
}

void TServicesPage::ServicesRefreshBtnClick() {
  {
    TPageControlBusy busy(pageControl_);
    services_.Load();
    DrawServices();
  }
  ShowState();
}

void TServicesPage::ShowState() {
  if (!IsWinNT) ServicesLabel.SetText(ServicesTexts::kNo9xServices);
  else if (!services_.Available()) ServicesLabel.SetText(ServicesTexts::kUnavailable);
  else ServicesLabel.SetText(services_.MayChange() ? ServicesTexts::kIntro : ServicesTexts::kReadOnly);
  ServicesCheckBtn.SetEnabled(ServicesLV.Count() > 0);
}

void TServicesPage::DrawServices() {
  std::vector<TListRow> rows;
  const std::vector<TServiceEntry>& entries = services_.Entries();
  for (size_t i = 0; i < entries.size(); ++i) {
    const TServiceEntry& service = entries[i];
    if (service.fromWindows && HideWindowsChkBox.Checked()) continue;
    rows.push_back({AnsiFromWide(service.displayName), AnsiFromWide(service.entry.command), kRowImage,
                    static_cast<LPARAM>(i), StartText(service), service.entry.state == TEntryState::On,
                    AnsiFromWide(service.company)});
  }
  ServicesLV.SetRows(std::move(rows));
  ServicesCheckBtn.SetEnabled(ServicesLV.Count() > 0);
}

void TServicesPage::ServicesCheckBtnClick() {
  ServicesRefreshBtnClick();
  if (!services_.Available()) return;  // the line above the list says why
  bool allFound = true;
  for (int i = 0; i < ServicesLV.Count(); ++i) {
    const TServiceEntry& service = EntryOf(i);
    if (ProgramFound(service)) continue;
    allFound = false;
    ShowError(ServicesTexts::ProgramMissing(AnsiFromWide(service.displayName), AnsiFromWide(service.programFile)));
  }
  if (allFound) ShowInfo(ServicesTexts::kAllProgramsFound);
}

const TServiceEntry& TServicesPage::EntryOf(int row) const {
  return services_.Entries()[static_cast<size_t>(ServicesLV.Data(row))];
}

// The box shows the opposite of what the model says; the change and its
// messages wait until the list view is done with its notification.
void TServicesPage::ServicesLVCheck(int index) {
  const TServiceEntry service = EntryOf(index);
  const bool on = service.entry.state != TEntryState::On;
  Post([this, service, on] { SwitchService(service, on); });
}

// The list shows the services as they now are, also when nothing changed.
void TServicesPage::SwitchService(const TServiceEntry& service, bool on) {
  const std::string message = EditMessage(services_.Switch(service, on), AnsiFromWide(service.displayName));
  if (!message.empty()) ShowError(message);
  ServicesRefreshBtnClick();
}
