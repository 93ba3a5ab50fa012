#include "registry/FurtherPlacesPage.h"

#include "registry/FurtherPlacesTexts.h"
#include "registry/RegExport.h"
#include "registry/RegFileDialog.h"
#include "registry/RegistryTexts.h"
#include "res/resource.h"
#include "support/AnsiText.h"
#include "toolkit/Interaction.h"

namespace {

// The picture of every row: that of the Registry page's tab.
constexpr int kRowImage = 1;

std::string ShownLocation(const TFurtherEntry& entry) {
  return entry.location + "\\" + RegistryTexts::ShownName(AnsiForm(entry.value.name));
}

// A REGEDIT4 file is ANSI text: a value the code page cannot carry would come
// back from it changed, so it is left out and named.
bool Exportable(const TFurtherEntry& entry) {
  return ExactAnsiForm(entry.value.name) && ExactAnsiForm(ShownValue(entry.value));
}

}  // namespace

TFurtherPlacesPage::TFurtherPlacesPage(HWND pageControlHandle, TPageControl& pageControl, HIMAGELIST images)
    : TDialog(pageControlHandle, IDD_FURTHERPLACES),
      CaptionLabel(*this, IDC_FURTHER_LABEL),
      PlacesView(*this, IDC_FURTHERVIEW),
      ExportBtn(*this, IDC_FURTHEREXPORTBTN),
      RefreshBtn(*this, IDC_FURTHERREFRESHBTN),
      PlacesViewKeys(PlacesView, [this] { return PlacesViewCommands(); }),
      pageControl_(pageControl) {
  ListView_SetExtendedListViewStyle(PlacesView.Handle(), LVS_EX_FULLROWSELECT);
  PlacesView.AddColumn("Ort", 250);
  PlacesView.AddColumn("Wert", 170);
  PlacesView.AddColumn("Hinweis", 150);
  PlacesView.SetSmallImages(images);
  ExportBtn.OnClick = [this] { ExportBtnClick(); };
  RefreshBtn.OnClick = [this] { Load(); };
}

std::vector<TCommand> TFurtherPlacesPage::PlacesViewCommands() {
  return {CommandOf(ExportBtn), CommandOf(RefreshBtn, TListKey::Refresh)};
}

void TFurtherPlacesPage::Load() {
  entries_ = ReadFurtherPlaces();
  ShowEntries();
}

void TFurtherPlacesPage::ShowEntries() {
  std::vector<TListRow> rows;
  for (const TFurtherEntry& entry : entries_)
    rows.push_back({ShownLocation(entry), AnsiForm(ShownValue(entry.value)), kRowImage, 0,
                    FurtherPlacesTexts::Warning(entry.warning)});
  PlacesView.SetRows(std::move(rows));
  ExportBtn.SetEnabled(!entries_.empty());
}

void TFurtherPlacesPage::ApplyPlatform(bool isWinNT) {
  CaptionLabel.SetText(isWinNT ? FurtherPlacesTexts::kCaption : FurtherPlacesTexts::kNotOnThisFamily);
  for (TControl* control : std::initializer_list<TControl*>{&PlacesView, &RefreshBtn}) control->SetEnabled(isWinNT);
  ExportBtn.SetEnabled(isWinNT && !entries_.empty());
}

void TFurtherPlacesPage::ExportBtnClick() {
  TPageControlBusy busy(pageControl_);
  std::vector<TFurtherEntry> exported;
  std::string leftOut;
  for (const TFurtherEntry& entry : entries_)
    if (Exportable(entry))
      exported.push_back(entry);
    else
      leftOut += (leftOut.empty() ? "\"" : ", \"") + ShownLocation(entry) + "\"";
  if (exported.empty()) {
    ShowInfo(RegistryTexts::kNothingToExport);
    return;
  }
  std::string fileName;  // the dialog never proposes a name
  if (!Interaction().SaveFile(RegSaveDialog(), fileName)) return;
  WriteRegFile(fileName, RegExportText(FurtherExportKeys(exported)), leftOut);
}

