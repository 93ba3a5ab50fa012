#include "app/MainForm.h"

#include <objbase.h>

#include <algorithm>
#include <iterator>
#include <string_view>

#include "app/BackupCopy.h"
#include "help/HelpTools.h"
#include "help/HtmlHelpLibrary.h"
#include "res/resource.h"
#include "support/Tools.h"
#include "toolkit/Application.h"
#include "toolkit/Cursors.h"
#include "toolkit/Interaction.h"

namespace {

constexpr char kWindowClass[] = "TMainForm";
constexpr int kClientWidth = 622;
constexpr int kClientHeight = 413;
constexpr DWORD kWindowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN | DS_MODALFRAME;
constexpr DWORD kWindowExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

struct TPageTab {
  const char* caption;
  int image;
};

// The sixteen pages in tab order; the index is also the page's number. The
// services, the scheduled tasks and the further places follow the other
// places Windows starts programs from at logon, before the files of the old
// Windows versions.
constexpr TPageTab kPageTabs[] = {
    {"Info", 0},          {"Registry", 1},      {"Autostart", 2},    {"Dienste", 1},      {"Geplante Tasks", 1},
    {"Weitere Orte", 1},  {"Win.ini", 3},       {"System.ini", 3},   {"Control.ini", 3},  {"Winstart.bat", 4},
    {"Dosstart.bat", 4},  {"Autoexec.bat", 4},  {"Config.sys", 5},   {"msdos.sys", 5},    {"Sich./Wiederh.", 6},
    {"Neustart", 7},
};

// A page's number by its caption, so that a new tab moves every number with it.
constexpr int PageIndex(std::string_view caption) {
  for (int i = 0; i < static_cast<int>(std::size(kPageTabs)); ++i)
    if (caption == kPageTabs[i].caption) return i;
  throw "no page with that caption";
}
constexpr int kInfoPage = PageIndex("Info");
constexpr int kRegistryPage = PageIndex("Registry");
constexpr int kAutostartPage = PageIndex("Autostart");
constexpr int kServicesPage = PageIndex("Dienste");
constexpr int kTasksPage = PageIndex("Geplante Tasks");
constexpr int kFurtherPlacesPage = PageIndex("Weitere Orte");
constexpr int kWinIniPage = PageIndex("Win.ini");
constexpr int kMsdosPage = PageIndex("msdos.sys");
constexpr int kBackupPage = PageIndex("Sich./Wiederh.");
constexpr int kRestartPage = PageIndex("Neustart");

struct TTextPageEntry {
  int pageIndex;
  std::unique_ptr<TTextFilePage> TMainForm::*page;
  TTextFileKind kind;
  TPageFlag flag;
};

// The six text pages, in the order in which they are loaded.
const TTextPageEntry kTextPages[] = {
    {PageIndex("System.ini"), &TMainForm::SystemIni, {"System.ini", TTextFileFolder::Windows}, TPageFlag::SystemIni},
    {PageIndex("Control.ini"), &TMainForm::ControlIni, {"Control.ini", TTextFileFolder::Windows}, TPageFlag::ControlIni},
    {PageIndex("Winstart.bat"), &TMainForm::WinstartBat, {"Winstart.bat", TTextFileFolder::Windows}, TPageFlag::Winstart},
    {PageIndex("Dosstart.bat"), &TMainForm::Dosstart, {"Dosstart.bat", TTextFileFolder::Windows, true},
     TPageFlag::Dosstart},
    {PageIndex("Autoexec.bat"), &TMainForm::Autoexec, {"Autoexec.bat", TTextFileFolder::BootRoot}, TPageFlag::Autoexec},
    {PageIndex("Config.sys"), &TMainForm::Config, {"Config.sys", TTextFileFolder::BootRoot}, TPageFlag::Config},
};

void RegisterWindowClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSA wc = {};
  wc.lpfnWndProc = DefWindowProcA;  // replaced per window once its object is known
  wc.hInstance = Application().Instance();
  wc.hIcon = LoadIconA(wc.hInstance, MAKEINTRESOURCEA(IDI_VELMORA));
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kWindowClass;
  registered = RegisterClassA(&wc) != 0;
}

}  // namespace

TMainForm::TMainForm(const std::function<void(HWND)>& showFrame)
    : PCImageList({IDI_TAB_INFO, IDI_TAB_REGISTRY, IDI_TAB_AUTOSTART, IDI_TAB_INI, IDI_TAB_BATCH, IDI_TAB_SYS,
                   IDI_TAB_BACKUP, IDI_TAB_RESTART}) {
  CreateWindowFrame();
  CreateTabs();
  if (showFrame) showFrame(handle_);
  CreatePages();
  FormCreate();
}

TMainForm::~TMainForm() {
  if (handle_) DestroyWindow(handle_);
  if (font_) DeleteObject(font_);
}

void TMainForm::CreateWindowFrame() {
  RegisterWindowClass();
  handle_ = CreateWindowExA(kWindowExStyle, kWindowClass, "Velmora", kWindowStyle, 0, 0, 0, 0, Application().Handle(),
                            nullptr, Application().Instance(), nullptr);
  PlaceWindow({kClientWidth, kClientHeight});
  SetWindowLongPtrA(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrA(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProc));
  Application().AddForm(handle_);
  HDC screen = GetDC(nullptr);
  font_ = CreateFontA(-MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                      ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                      "MS Sans Serif");
  ReleaseDC(nullptr, screen);
}

void TMainForm::PlaceWindow(SIZE client) {
  RECT frame = {0, 0, client.cx, client.cy};
  AdjustWindowRectEx(&frame, kWindowStyle, FALSE, kWindowExStyle);
  int width = frame.right - frame.left, height = frame.bottom - frame.top;
  int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2, top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  SetWindowPos(handle_, nullptr, std::max(0, left), std::max(0, top), width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The pages are dialog templates, as large in pixels as the dialog font and
// the screen resolution make them. With the standard metrics they fit into
// the client area of 622 x 413 pixels; where they need more, the window
// grows with them, so that no control is cut off. Every page has the Info
// page's template size, so the window gets its size before it is shown.
void TMainForm::FitWindowToPages() {
  TPageControl& pages = *AutoStartPageControl;
  SIZE client = {kClientWidth, kClientHeight};
  // A wider control needs fewer rows of tabs: a second round settles that.
  for (int round = 0; round < 3; ++round) {
    pages.SetSize(client);
    SIZE needed = pages.SizeForSheets();
    SIZE next = {std::max<LONG>(kClientWidth, needed.cx), std::max<LONG>(kClientHeight, needed.cy)};
    if (next.cx == client.cx && next.cy == client.cy) break;
    client = next;
  }
  pages.SetSize(client);
  PlaceWindow(client);
}

void TMainForm::CreateTabs() {
  AutoStartPageControl = std::make_unique<TPageControl>(handle_, IDC_PAGECONTROL, font_, PCImageList.Handle());
  Info = std::make_unique<TInfoPage>(AutoStartPageControl->Handle());
  for (int i = 0; i < static_cast<int>(std::size(kPageTabs)); ++i)
    AutoStartPageControl->AddPage(kPageTabs[i].caption, kPageTabs[i].image, i == kInfoPage ? Info->Handle() : nullptr);
  FitWindowToPages();  // measures the Info page at the size its template gave it
  AutoStartPageControl->LayoutPages();
  AutoStartPageControl->SetActivePageIndex(kInfoPage);
  Application().SetKeyPreview(handle_, [this](const MSG& msg) { return AutoStartPageControl->HandlePageKey(msg); });
}

void TMainForm::CreatePages() {
  HWND pages = AutoStartPageControl->Handle();
  WinReg = std::make_unique<TRegistryPage>(pages, *AutoStartPageControl, PCImageList.Handle(),
                                           Unsaved.Flag(TPageFlag::Registry));
  Unsaved.SetSaveHandler(TPageFlag::Registry, [this] { WinReg->Save(); });
  Startup = std::make_unique<TAutostartPage>(pages, *AutoStartPageControl, PCImageList.Handle(), ShellLink);
  Services = std::make_unique<TServicesPage>(pages, *AutoStartPageControl, PCImageList.Handle());
  BackupRestore = std::make_unique<TBackupPage>(
      pages, TBackupHost{*AutoStartPageControl, [this] {
                           bool canClose = true;
                           FormCloseQuery(canClose);
                         },
                         [this] { LoadAllPages(); }});
  RebootWindows = std::make_unique<TRestartPage>(pages, [this] { Close(); });
  auto makeBackupCopy = [this](const std::string& fileName) { return MakeBackupCopy(fileName); };
  WinIni = std::make_unique<TWinIniPage>(pages, *AutoStartPageControl, IniFile, Unsaved.Flag(TPageFlag::WinIni),
                                         makeBackupCopy);
  Unsaved.SetSaveHandler(TPageFlag::WinIni, [this] { WinIni->Save(); });
  msdossys = std::make_unique<TMsdosPage>(pages, *AutoStartPageControl, Unsaved.Flag(TPageFlag::Msdos), makeBackupCopy);
  Unsaved.SetSaveHandler(TPageFlag::Msdos, [this] { msdossys->Save(); });
  HWND sheets[std::size(kPageTabs)] = {};
  sheets[kRegistryPage] = WinReg->Handle();
  sheets[kAutostartPage] = Startup->Handle();
  sheets[kServicesPage] = Services->Handle();
  sheets[kWinIniPage] = WinIni->Handle();
  sheets[kMsdosPage] = msdossys->Handle();
  sheets[kBackupPage] = BackupRestore->Handle();
  sheets[kRestartPage] = RebootWindows->Handle();
  Tasks = std::make_unique<TTasksPage>(pages, *AutoStartPageControl, PCImageList.Handle());
  sheets[kTasksPage] = Tasks->Handle();
  FurtherPlaces = std::make_unique<TFurtherPlacesPage>(pages, *AutoStartPageControl, PCImageList.Handle());
  sheets[kFurtherPlacesPage] = FurtherPlaces->Handle();
  for (const TTextPageEntry& entry : kTextPages) {
    auto& page = this->*entry.page;
    page = std::make_unique<TTextFilePage>(pages, *AutoStartPageControl, entry.kind, Unsaved.Flag(entry.flag),
                                           makeBackupCopy);
    Unsaved.SetSaveHandler(entry.flag, [&page] { page->Save(); });
    sheets[entry.pageIndex] = page->Handle();
  }
  for (size_t i = 0; i < std::size(kPageTabs); ++i)
    if (sheets[i]) AutoStartPageControl->AttachSheet(static_cast<int>(i), sheets[i]);
  ConnectPrintButtons();
}

void TMainForm::FormCreate() {
  CoInitialize(nullptr);
  ShellLink.SetUpdate(true);
  THtmlHelp* help = THtmlHelp::Current();
  if (help && HtmlHelpLibrary().Loaded()) help->SetHelpFile(ProgramHelpFile());
  ExtendSystemMenus();
  BackupsEnabled = true;
  ShowBackupsSwitch();
  Application().OnMessage = [this](MSG& msg, bool& handled) { AppMessage(msg, handled); };
  LoadAllPages();
  ApplyPlatform();
  AutoStartPageControl->SetActivePageIndex(kInfoPage);
}

void TMainForm::LoadAllPages() {
  TWaitCursor working;  // a large file or key can take a while, and the loop waits
  Unsaved.ClearAll();  // so that no reload asks to discard changes
  for (TPage* page : Pages()) page->Load();
  Unsaved.ClearAll();
}

std::vector<TPage*> TMainForm::Pages() const {
  return {WinReg.get(),   WinIni.get(),   SystemIni.get(),     ControlIni.get(),  Startup.get(),
          Services.get(), Tasks.get(),    FurtherPlaces.get(), WinstartBat.get(), Dosstart.get(),
          Autoexec.get(), Config.get(),   msdossys.get(),      BackupRestore.get()};
}

void TMainForm::ApplyPlatform() {
  for (TPage* page : Pages()) page->ApplyPlatform(IsWinNT);
}

void TMainForm::FormDestroy() {
  THtmlHelp* help = THtmlHelp::Current();
  if (help && HtmlHelpLibrary().Loaded()) help->CloseHelpWindows();
  CoUninitialize();
  Application().OnMessage = nullptr;
  if (Application().MainForm == handle_) PostQuitMessage(0);
}

std::vector<HMENU> TMainForm::SystemMenus() const {
  return {GetSystemMenu(handle_, FALSE), GetSystemMenu(Application().Handle(), FALSE)};
}

void TMainForm::ExtendSystemMenus() {
  for (HMENU menu : SystemMenus()) {
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, kBackupsCommand, "&Backups erstellen");
  }
}

void TMainForm::ShowBackupsSwitch() {
  for (HMENU menu : SystemMenus())
    CheckMenuItem(menu, kBackupsCommand, MF_BYCOMMAND | (BackupsEnabled ? MF_CHECKED : MF_UNCHECKED));
}

void TMainForm::AppMessage(MSG& msg, bool& /*handled*/) {
  if (msg.message != WM_SYSCOMMAND || msg.wParam != kBackupsCommand) return;
  BackupsEnabled = !BackupsEnabled;
  ShowBackupsSwitch();
}

bool TMainForm::MakeBackupCopy(const std::string& fileName) {
  if (!BackupsEnabled || CopyToBackup(fileName)) return true;
  return Confirm(BackupCopyFailedQuestion(fileName));
}

void TMainForm::FormCloseQuery(bool& canClose) { canClose = Unsaved.AskToSave(); }

void TMainForm::Show() { ShowFrame(handle_); }

void TMainForm::ShowFrame(HWND frame) {
  ShowWindow(frame, SW_SHOW);
  UpdateWindow(frame);
}

void TMainForm::Close() { SendMessageA(handle_, WM_CLOSE, 0, 0); }

LRESULT TMainForm::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_NOTIFY:
      AutoStartPageControl->Notify(*reinterpret_cast<NMHDR*>(lParam));
      return 0;
    case WM_ACTIVATE:
      if (focusMemory_.Activate(handle_, wParam)) return 0;
      break;
    case WM_CLOSE: {
      bool canClose = true;
      FormCloseQuery(canClose);
      if (canClose) DestroyWindow(handle_);
      return 0;
    }
    case WM_SYSCOMMAND:
      // The taskbar button belongs to the application window: it minimises.
      if ((wParam & 0xFFF0) == SC_MINIMIZE && Application().MainForm == handle_)
        return SendMessageA(Application().Handle(), WM_SYSCOMMAND, wParam, lParam);
      break;
    case WM_DESTROY:
      FormDestroy();
      return 0;
  }
  return DefWindowProcA(handle_, msg, wParam, lParam);
}

LRESULT CALLBACK TMainForm::WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<TMainForm*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcA(hwnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    Application().RemoveForm(hwnd);
    self->handle_ = nullptr;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
  }
  return self->HandleMessage(msg, wParam, lParam);
}
