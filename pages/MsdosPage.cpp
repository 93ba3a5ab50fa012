#include "pages/MsdosPage.h"

#include <windows.h>

#include "pages/TextFilePage.h"
#include "res/resource.h"
#include "support/MyTools.h"
#include "support/SystemLocations.h"
#include "support/TextFile.h"
#include "support/Tools.h"
#include "support/WholeFile.h"
#include "toolkit/Graphics.h"
#include "toolkit/Interaction.h"

namespace {

constexpr int kBootDelayMaximum = 30, kBootMenuDelayMaximum = 60;

RECT NotebookPlace(HWND page) {
  RECT place = {0, 0, 400, 200};
  MapDialogRect(page, &place);
  return place;
}

std::vector<int> ItemIds(int first, int count) {
  std::vector<int> ids;
  for (int i = 0; i < count; ++i) ids.push_back(first + i);
  return ids;
}

}  // namespace

std::string MsdosPadding(long long size) {
  if (size < 0 || size >= 1024) return "";
  std::string line(1, ';');
  line += MyTools.RepeatText("x", 70);
  line += "\r\n";
  std::string padding;
  for (long long n = (1024 - size) / 70 + 1; n > 0; --n) padding += line;
  return padding;
}

TMsdosPage::TMsdosPage(HWND pageControlHandle, TPageControl& pageControl, bool& msdosChanged,
                       std::function<bool(const std::string&)> makeBackupCopy)
    : TDialog(pageControlHandle, IDD_MSDOS),
      msdosSaveBtn(*this, IDC_MSDOSSAVEBTN),
      msdosRefreshBtn(*this, IDC_MSDOSREFRESHBTN),
      msdossysPrintBtn(*this, IDC_MSDOSPRINTBTN),
      msdossyssourceBtn(*this, IDC_MSDOSSOURCEBTN),
      msdossysnb(Handle(), {IDD_MSDOS_GRAPHICAL1, IDD_MSDOS_GRAPHICAL2, IDD_MSDOS_SOURCE}, NotebookPlace(Handle())),
      BootKeysChkBox(msdossysnb.Page(kGraphical1), IDC_BOOTKEYSCHKBOX),
      BootMenuChkBox(msdossysnb.Page(kGraphical1), IDC_BOOTMENUCHKBOX),
      BootDelayChkBox(msdossysnb.Page(kGraphical1), IDC_BOOTDELAYCHKBOX),
      BootGUIChkBox(msdossysnb.Page(kGraphical1), IDC_BOOTGUICHKBOX),
      NetworkChkBox(msdossysnb.Page(kGraphical1), IDC_NETWORKCHKBOX),
      BootMultiChkBox(msdossysnb.Page(kGraphical1), IDC_BOOTMULTICHKBOX),
      BootMenuDelayEdit(msdossysnb.Page(kGraphical1), IDC_BOOTMENUDELAYEDIT),
      BootDelayEdit(msdossysnb.Page(kGraphical1), IDC_BOOTDELAYEDIT),
      BootMenuDelayUpDown(msdossysnb.Page(kGraphical1), IDC_BOOTMENUDELAYUPDOWN),
      BootDelayUpDown(msdossysnb.Page(kGraphical1), IDC_BOOTDELAYUPDOWN),
      BootMenuDefaultRG(msdossysnb.Page(kGraphical1), IDC_BOOTMENUDEFAULTRG, ItemIds(IDC_BOOTMENUDEFAULT_ITEM1, 8)),
      MoreBtn1(msdossysnb.Page(kGraphical1), IDC_MOREBTN1),
      NTLabel(msdossysnb.Page(kGraphical1), IDC_NTLABEL),
      LogoChkBox(msdossysnb.Page(kGraphical2), IDC_LOGOCHKBOX),
      DblSpaceChkBox(msdossysnb.Page(kGraphical2), IDC_DBLSPACECHKBOX),
      DrvSpaceChkBox(msdossysnb.Page(kGraphical2), IDC_DRVSPACECHKBOX),
      LoadTopChkBox(msdossysnb.Page(kGraphical2), IDC_LOADTOPCHKBOX),
      DoubleBufferChkBox(msdossysnb.Page(kGraphical2), IDC_DOUBLEBUFFERCHKBOX),
      AutoScanRG(msdossysnb.Page(kGraphical2), IDC_AUTOSCANRG, ItemIds(IDC_AUTOSCAN_ITEM0, 3)),
      MoreBtn2(msdossysnb.Page(kGraphical2), IDC_MOREBTN2),
      msdosMemo(msdossysnb.Page(kSource), IDC_MSDOSMEMO),
      MsdosChanged(msdosChanged),
      pages_(pageControl),
      makeBackupCopy_(std::move(makeBackupCopy)) {
  ntLabelFont_ = StyledFont(reinterpret_cast<HFONT>(SendMessageA(NTLabel.Handle(), WM_GETFONT, 0, 0)), fsBold);
  SendMessageA(NTLabel.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(ntLabelFont_), FALSE);
  BootMenuDelayUpDown.SetRange(0, kBootMenuDelayMaximum);
  BootDelayUpDown.SetRange(0, kBootDelayMaximum);
  ConnectHandlers();
}

TMsdosPage::~TMsdosPage() {
  // The label must not keep a deleted font while its window lives on.
  SendMessageA(NTLabel.Handle(), WM_SETFONT, 0, FALSE);
  DeleteObject(ntLabelFont_);
}

std::array<TMsdosPage::TOptionBox, 10> TMsdosPage::OptionBoxes() {
  return {{{&BootKeysChkBox, "BootKeys"}, {&BootMenuChkBox, "BootMenu"},   {&BootGUIChkBox, "BootGUI"},
           {&NetworkChkBox, "Network"},   {&BootMultiChkBox, "BootMulti"}, {&LogoChkBox, "Logo"},
           {&DblSpaceChkBox, "DblSpace"}, {&DrvSpaceChkBox, "DrvSpace"},   {&LoadTopChkBox, "LoadTop"},
           {&DoubleBufferChkBox, "DoubleBuffer"}}};
}

void TMsdosPage::ConnectDelay(TEdit& edit, TUpDown& upDown, const char* key, int maximum) {
  edit.OnChange = [this, &edit, &upDown, key, maximum] {
    auto seconds = DelaySeconds(edit.Text(), maximum);
    if (!seconds) return;  // no number: the edit's number stays as it was
    if (upDown.Position() != *seconds) upDown.SetPosition(*seconds);
    WriteMsdosOption(key, std::to_string(upDown.Position()));
  };
  upDown.OnChanging = [this, &edit, &upDown, key] {
    edit.SetText(std::to_string(upDown.Position()));
    WriteMsdosOption(key, std::to_string(upDown.Position()));
  };
}

void TMsdosPage::ConnectHandlers() {
  for (auto [box, key] : OptionBoxes())
    box->OnClick = [this, box = box, key = key] { WriteMsdosOption(key, BoolValue(box->Checked())); };
  BootMenuDefaultRG.OnClick = [this] {
    WriteMsdosOption("BootMenuDefault", std::to_string(BootMenuDefaultRG.ItemIndex() + 1));
  };
  AutoScanRG.OnClick = [this] { WriteMsdosOption("AutoScan", std::to_string(AutoScanRG.ItemIndex())); };
  ConnectDelay(BootDelayEdit, BootDelayUpDown, "BootDelay", kBootDelayMaximum);
  ConnectDelay(BootMenuDelayEdit, BootMenuDelayUpDown, "BootMenuDelay", kBootMenuDelayMaximum);
  BootDelayChkBox.OnClick = [this] { BootDelayChkBoxClick(); };
  MoreBtn1.OnClick = [this] { MoreBtn1Click(MoreBtn1); };
  MoreBtn2.OnClick = [this] { MoreBtn1Click(MoreBtn2); };
  msdosMemo.OnChange = [this] { MsdosChanged = true; };
  msdosSaveBtn.OnClick = [this] { msdosSaveBtnClick(); };
  msdosRefreshBtn.OnClick = [this] { msdosRefreshBtnClick(); };
  msdossyssourceBtn.OnClick = [this] { msdossyssourceBtnClick(); };
}

std::string TMsdosPage::MsdosPath() { return GetBootDir() + "msdos.sys"; }

void TMsdosPage::RebuildMsdosUpperLines() {
  SetLinesFromText(msdosMemo.Text());
  memoBehind_ = false;
}

void TMsdosPage::SetLinesFromText(const std::string& text) {
  endsWithLineBreak_ = text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0;
  lines_.memo = SplitCrLfLines(text);
  ::RebuildMsdosUpperLines(lines_);
}

void TMsdosPage::ShowLines() {
  if (filling_) {
    memoBehind_ = true;
    return;
  }
  std::string text;
  for (size_t i = 0; i < lines_.memo.size(); ++i) text += (i ? "\r\n" : "") + lines_.memo[i];
  if (endsWithLineBreak_) text += "\r\n";
  msdosMemo.SetText(text);
  memoBehind_ = false;
}

std::string TMsdosPage::ReadMsdosOption(const std::string& key) {
  const size_t lineCount = lines_.memo.size();
  std::string value = ::ReadMsdosOption(lines_, key);
  if (lines_.memo.size() != lineCount) ShowLines();  // the missing key was added
  return value;
}

void TMsdosPage::WriteMsdosOption(const std::string& key, const std::string& value) {
  if (::WriteMsdosOption(lines_, key, value)) ShowLines();
}

void TMsdosPage::SetControl(const TMsdosOption& option, const std::string& value) {
  const std::string key = option.key;
  if (key == "BootDelay" || key == "BootMenuDelay") {
    const bool boot = key == "BootDelay";
    // A value that is no number leaves its line and the controls as they are.
    auto seconds = DelaySeconds(value, boot ? kBootDelayMaximum : kBootMenuDelayMaximum);
    if (!seconds) return;
    (boot ? BootDelayEdit : BootMenuDelayEdit).SetText(std::to_string(*seconds));
    if (boot) BootDelayChkBox.SetChecked(BootDelayUpDown.Position() > 0);
  } else if (key == "BootMenuDefault") {
    BootMenuDefaultRG.SetItemIndex(BootMenuDefaultItem(value));
  } else if (key == "AutoScan") {
    AutoScanRG.SetItemIndex(AutoScanItem(value));
  } else {
    for (auto [box, boxKey] : OptionBoxes())
      if (key == boxKey) box->SetChecked(value == "1");
  }
}

void TMsdosPage::FillMsdosControls() {
  filling_ = true;
  FillEachOption();
  filling_ = false;
  if (memoBehind_) ShowLines();
}

void TMsdosPage::FillEachOption() {
  for (const TMsdosOption& option : kMsdosOptions) {
    std::string value = ReadMsdosOption(option.key);
    if (value.empty()) {
      value = option.defaultValue;
      WriteMsdosOption(option.key, value);
    }
    SetControl(option, value);
  }
  BootDelayChkBoxClick();
}

void TMsdosPage::BootDelayChkBoxClick() {
  const bool checked = BootDelayChkBox.Checked();
  BootDelayEdit.SetEnabled(checked);
  BootDelayUpDown.SetEnabled(checked);
  if (!checked && BootDelayUpDown.Position() != 0) {
    BootDelayUpDown.SetPosition(0);  // the edit shows 0 and writes it
  }
}

void TMsdosPage::Load() {
  msdossysnb.SetPageIndex(kGraphical1);
  if (!IsWinNT) ReadMsdosFile();
}

void TMsdosPage::ApplyPlatform(bool isWinNT) {
  for (TControl* control :
       std::initializer_list<TControl*>{&msdosSaveBtn, &MoreBtn1, &msdossyssourceBtn, &msdosRefreshBtn, &msdossysPrintBtn})
    control->SetEnabled(!isWinNT);
  msdossysnb.SetEnabled(!isWinNT);
  NTLabel.SetVisible(isWinNT);
}

void TMsdosPage::msdosRefreshBtnClick() {
  if (IsWinNT) return;
  if (MsdosChanged && !Confirm(TextFileTexts::DiscardQuestion("msdos.sys"))) return;
  ReadMsdosFile();
}

void TMsdosPage::ReadMsdosFile() {
  TPageControlBusy busy(pages_);
  std::string text;
  if (!ReadFileForMemo(MsdosPath(), msdosMemo, shown_, text)) return;
  // The memo gets the text once, filled: a large text costs the edit control
  // seconds for every time it is set.
  SetLinesFromText(text);
  memoBehind_ = true;
  FillMsdosControls();
  MsdosChanged = false;
}

void TMsdosPage::msdossyssourceBtnClick() {
  if (msdossysnb.PageIndex() != kSource) {
    msdossysnb.SetPageIndex(kSource);
    msdossyssourceBtn.SetText("&Grafisch bearbeiten");
    return;
  }
  RebuildMsdosUpperLines();
  FillMsdosControls();
  msdossysnb.SetPageIndex(kGraphical1);
  msdossyssourceBtn.SetText("&Quelltext bearbeiten");
}

void TMsdosPage::MoreBtn1Click(const TButton& sender) {
  msdossysnb.SetPageIndex(&sender == &MoreBtn1 ? kGraphical2 : kGraphical1);
}

void TMsdosPage::msdosSaveBtnClick() {
  const std::string path = MsdosPath();
  SaveMemoIntoFile(path, msdosMemo, shown_, MsdosChanged, pages_, makeBackupCopy_, [&](const std::string& text) {
    if (IsWinNT) return;
    const std::string padding = MsdosPadding(MyTools.FileSizeOf(path));
    if (padding.empty()) return;
    const bool brokenLine = !text.empty() && text.back() != '\n';
    // A file that will not open for appending stays without padding.
    AppendToFile(path, brokenLine ? "\r\n" + padding : padding);
  });
}
