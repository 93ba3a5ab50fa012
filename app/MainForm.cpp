#include "app/MainForm.h"

#include <algorithm>

#include "app/BackupCopy.h"
#include "app/PageTabs.h"
#include "help/HelpTools.h"
#include "res/resource.h"
#include "toolkit/Application.h"
#include "toolkit/Cursors.h"
#include "toolkit/Interaction.h"

namespace {

constexpr char kWindowClass[] = "TMainForm";
constexpr int kClientWidth = 622;
constexpr int kClientHeight = 413;
constexpr DWORD kWindowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN | DS_MODALFRAME;
constexpr DWORD kWindowExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

void RegisterWindowClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXA wc = {};
  wc.lpfnWndProc = DefWindowProcA;  // replaced per window once its object is known
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  wc.lpszClassName = kWindowClass;
  registered = Application().RegisterFormClass(wc);
}

}  // namespace

TMainForm::TMainForm(const std::function<void(HWND)>& showFrame, TPageBuilding building)
    : PCImageList({IDI_TAB_INFO, IDI_TAB_REGISTRY, IDI_TAB_AUTOSTART, IDI_TAB_INI, IDI_TAB_BATCH, IDI_TAB_SYS,
                   IDI_TAB_BACKUP, IDI_TAB_RESTART}) {
  CreateWindowFrame();
  CreateTabs();
  if (showFrame) showFrame(handle_);
  FormCreate();
  if (building == TPageBuilding::AtOnce)
    BuildAllPages();
  else
    BuildPagesWhenIdle();
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
  for (int i = 0; i < kPageCount; ++i)
    AutoStartPageControl->AddPage(kPageTabs[i].caption, kPageTabs[i].image, i == kInfoPage ? Info->Handle() : nullptr);
  FitWindowToPages();  // measures the Info page at the size its template gave it
  AutoStartPageControl->LayoutPages();
  AutoStartPageControl->SetActivePageIndex(kInfoPage);
  Application().SetKeyPreview(handle_, [this](const MSG& msg) { return AutoStartPageControl->HandlePageKey(msg); });
}

void TMainForm::FormCreate() {
  ShellLink.SetUpdate(true);
  THtmlHelp* help = THtmlHelp::Current();
  if (help) help->SetHelpFile(ProgramHelpFile());
  ExtendSystemMenus();
  BackupsEnabled = true;
  ShowBackupsSwitch();
  Application().OnMessage = [this](MSG& msg, bool& handled) { AppMessage(msg, handled); };
}

void TMainForm::LoadAllPages() {
  TWaitCursor working;  // a large file or key can take a while, and the loop waits
  Unsaved.ClearAll();  // so that no reload asks to discard changes
  for (TPage* page : Pages()) page->Load();
  Unsaved.ClearAll();
}

std::vector<TPage*> TMainForm::Pages() const {
  std::vector<TPage*> built;
  for (TPage* page : std::initializer_list<TPage*>{
           WinReg.get(), WinIni.get(), SystemIni.get(), ControlIni.get(), Startup.get(), Services.get(), Tasks.get(),
           FurtherPlaces.get(), WinstartBat.get(), Dosstart.get(), Autoexec.get(), Config.get(), msdossys.get(),
           BackupRestore.get()})
    if (page) built.push_back(page);
  return built;
}

void TMainForm::FormDestroy() {
  StopBuildingWhenIdle();
  THtmlHelp* help = THtmlHelp::Current();
  if (help) help->CloseHelpWindows();
  comApartment_.reset();
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
    case kBuildPageMessage:
      BuildPage(static_cast<int>(wParam));
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
