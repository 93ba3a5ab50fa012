// Each page is made, loaded and put under its tab in one step, either all
// at start or one by one once the window is shown.
#include "app/MainForm.h"
#include "app/PageTabs.h"
#include "support/Tools.h"
#include "toolkit/Application.h"
#include "toolkit/Cursors.h"

namespace {

struct TTextPageEntry {
  int pageIndex;
  std::unique_ptr<TTextFilePage> TMainForm::*page;
  TTextFileKind kind;
  TPageFlag flag;
};

const TTextPageEntry kTextPages[] = {
    {PageIndex("System.ini"), &TMainForm::SystemIni, {"System.ini", TTextFileFolder::Windows}, TPageFlag::SystemIni},
    {PageIndex("Control.ini"), &TMainForm::ControlIni, {"Control.ini", TTextFileFolder::Windows}, TPageFlag::ControlIni},
    {PageIndex("Winstart.bat"), &TMainForm::WinstartBat, {"Winstart.bat", TTextFileFolder::Windows}, TPageFlag::Winstart},
    {PageIndex("Dosstart.bat"), &TMainForm::Dosstart, {"Dosstart.bat", TTextFileFolder::Windows, true},
     TPageFlag::Dosstart},
    {PageIndex("Autoexec.bat"), &TMainForm::Autoexec, {"Autoexec.bat", TTextFileFolder::BootRoot}, TPageFlag::Autoexec},
    {PageIndex("Config.sys"), &TMainForm::Config, {"Config.sys", TTextFileFolder::BootRoot}, TPageFlag::Config},
};

const TTextPageEntry& TextPageEntry(int index) {
  for (const TTextPageEntry& entry : kTextPages)
    if (entry.pageIndex == index) return entry;
  throw "no text page under that tab";
}

}  // namespace

std::function<bool(const std::string&)> TMainForm::BackupCopier() {
  return [this](const std::string& fileName) { return MakeBackupCopy(fileName); };
}

TTextFilePage& TMainForm::CreateTextPage(int index) {
  const TTextPageEntry& entry = TextPageEntry(index);
  auto& page = this->*entry.page;
  page = std::make_unique<TTextFilePage>(AutoStartPageControl->Handle(), *AutoStartPageControl, entry.kind,
                                         Unsaved.Flag(entry.flag), BackupCopier());
  Unsaved.SetSaveHandler(entry.flag, [&page] { page->Save(); });
  return *page;
}

TMainForm::TMadePage TMainForm::CreatePage(int index) {
  HWND pages = AutoStartPageControl->Handle();
  TPageControl& control = *AutoStartPageControl;
  switch (index) {
    case kRegistryPage:
      WinReg = std::make_unique<TRegistryPage>(pages, control, PCImageList.Handle(), Unsaved.Flag(TPageFlag::Registry));
      Unsaved.SetSaveHandler(TPageFlag::Registry, [this] { WinReg->Save(); });
      return {WinReg->Handle(), WinReg.get(), TPageFlag::Registry};
    case kAutostartPage:
      Startup = std::make_unique<TAutostartPage>(pages, control, PCImageList.Handle(), ShellLink);
      return {Startup->Handle(), Startup.get(), std::nullopt};
    case kServicesPage:
      Services = std::make_unique<TServicesPage>(pages, control, PCImageList.Handle());
      return {Services->Handle(), Services.get(), std::nullopt};
    case kTasksPage:
      Tasks = std::make_unique<TTasksPage>(pages, control, PCImageList.Handle());
      return {Tasks->Handle(), Tasks.get(), std::nullopt};
    case kFurtherPlacesPage:
      FurtherPlaces = std::make_unique<TFurtherPlacesPage>(pages, control, PCImageList.Handle());
      return {FurtherPlaces->Handle(), FurtherPlaces.get(), std::nullopt};
    case kWinIniPage:
      WinIni = std::make_unique<TWinIniPage>(pages, control, IniFile, Unsaved.Flag(TPageFlag::WinIni), BackupCopier());
      Unsaved.SetSaveHandler(TPageFlag::WinIni, [this] { WinIni->Save(); });
      return {WinIni->Handle(), WinIni.get(), TPageFlag::WinIni};
    case kMsdosPage:
      msdossys = std::make_unique<TMsdosPage>(pages, control, Unsaved.Flag(TPageFlag::Msdos), BackupCopier());
      Unsaved.SetSaveHandler(TPageFlag::Msdos, [this] { msdossys->Save(); });
      return {msdossys->Handle(), msdossys.get(), TPageFlag::Msdos};
    case kBackupPage:
      BackupRestore = std::make_unique<TBackupPage>(pages, TBackupHost{control,
                                                                       [this] {
                                                                         bool canClose = true;
                                                                         FormCloseQuery(canClose);
                                                                       },
                                                                       [this] { LoadAllPages(); }});
      return {BackupRestore->Handle(), BackupRestore.get(), std::nullopt};
    case kRestartPage:
      RebootWindows = std::make_unique<TRestartPage>(pages, [this] { Close(); });
      return {RebootWindows->Handle(), nullptr, std::nullopt};
    default: {
      TTextFilePage& page = CreateTextPage(index);
      return {page.Handle(), &page, TextPageEntry(index).flag};
    }
  }
}

void TMainForm::BuildPage(int index) {
  // A message box of a page's load runs a loop that may deliver a request
  // for the same page.
  if (index == kInfoPage || AutoStartPageControl->Sheet(index) || pagesBeingBuilt_.test(index)) return;
  pagesBeingBuilt_.set(index);
  // The start-up folders' shortcuts and the scheduled tasks are COM objects.
  if (!comApartment_) comApartment_.emplace();
  const TMadePage made = CreatePage(index);
  if (made.page) {
    TWaitCursor working;  // a large file or key can take a while, and the loop waits
    made.page->Load();
    made.page->ApplyPlatform(IsWinNT);
  }
  // Loading sets no unsaved change; other pages keep theirs.
  if (made.flag) Unsaved.Flag(*made.flag) = false;
  ConnectPrintButtons();
  AutoStartPageControl->AttachSheet(index, made.sheet);
  pagesBeingBuilt_.reset(index);
}

void TMainForm::BuildAllPages() {
  for (int index = 0; index < kPageCount; ++index) BuildPage(index);
}

void TMainForm::BuildPagesWhenIdle() {
  AutoStartPageControl->OnSheetNeeded = [this](int index) { PostMessageA(handle_, kBuildPageMessage, index, 0); };
  idleTicket_ = Application().AddIdleHandler([this] { BuildNextPage(); });
}

void TMainForm::BuildNextPage() {
  for (int index = 0; index < kPageCount; ++index)
    if (index != kInfoPage && !AutoStartPageControl->Sheet(index) && !pagesBeingBuilt_.test(index)) {
      BuildPage(index);
      // The loop waits for a message before it is idle again.
      PostMessageA(handle_, WM_NULL, 0, 0);
      return;
    }
  StopBuildingWhenIdle();
}

void TMainForm::StopBuildingWhenIdle() {
  if (idleTicket_) Application().RemoveIdleHandler(idleTicket_);
  idleTicket_ = 0;
}
