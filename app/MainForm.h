#pragma once
// The main window: sixteen tab pages, the backups switch of the system
// menus, the start-up sequence and the questions asked on closing.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/InfoPage.h"
#include "app/RestartPage.h"
#include "app/UnsavedChanges.h"
#include "backup/BackupPage.h"
#include "controls/VistaAltFixUnit.h"
#include "pages/MsdosPage.h"
#include "pages/TextFilePage.h"
#include "pages/WinIniPage.h"
#include "support/MyIni.h"
#include "pages/AutostartPage.h"
#include "registry/RegistryPage.h"
#include "registry/FurtherPlacesPage.h"
#include "services/ServicesPage.h"
#include "tasks/TasksPage.h"
#include "support/SheLink.h"
#include "toolkit/Dialog.h"
#include "toolkit/FocusMemory.h"
#include "toolkit/ImageList.h"
#include "toolkit/PageControl.h"

class TMainForm {
 public:
  // The command of "&Backups erstellen" in both system menus.
  static constexpr UINT kBackupsCommand = 9999;

  // Makes the window, hidden, and runs the start-up sequence. showFrame, when
  // given, is called with the window as soon as it has its tabs and the Info
  // page, before the other pages are built and loaded: the program shows it
  // there, so that no page's size holds back the window's appearance.
  explicit TMainForm(const std::function<void(HWND)>& showFrame = nullptr);
  ~TMainForm();
  TMainForm(const TMainForm&) = delete;
  TMainForm& operator=(const TMainForm&) = delete;

  HWND Handle() const { return handle_; }
  void Show();
  // Shows and paints a window at once: the program's showFrame.
  static void ShowFrame(HWND frame);
  // What the close box does: the close question, then the window goes,
  // unless a save the user asked for failed.
  void Close();

  void FormCloseQuery(bool& canClose);
  // Copies a text file to "<name>.VLM" before a page overwrites it, while
  // the backups switch is on. When the copy fails the user is told and asked
  // whether to save without it: false when the save must not go on.
  bool MakeBackupCopy(const std::string& fileName);
  void AppMessage(MSG& msg, bool& handled);
  // Prints the text of the page whose "Drucken" was pressed; Win.ini from disk.
  void PrintBtnClick(const TButton& sender);

  bool BackupsEnabled = true;
  TUnsavedChanges Unsaved;

  TImageList PCImageList;
  TTheIniFile IniFile;  // the Windows folder
  TShellLink ShellLink;
  std::unique_ptr<TPageControl> AutoStartPageControl;
  std::unique_ptr<TInfoPage> Info;
  std::unique_ptr<TRegistryPage> WinReg;
  std::unique_ptr<TAutostartPage> Startup;
  std::unique_ptr<TServicesPage> Services;
  std::unique_ptr<TTasksPage> Tasks;
  std::unique_ptr<TWinIniPage> WinIni;
  std::unique_ptr<TTextFilePage> SystemIni, ControlIni, WinstartBat, Dosstart, Autoexec, Config;
  std::unique_ptr<TMsdosPage> msdossys;
  std::unique_ptr<TBackupPage> BackupRestore;
  std::unique_ptr<TRestartPage> RebootWindows;
  std::unique_ptr<TFurtherPlacesPage> FurtherPlaces;
  TVistaAltFix VistaAltFix;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

  void CreateWindowFrame();
  // Sizes the window for that client area and centres it on the screen.
  void PlaceWindow(SIZE client);
  void FitWindowToPages();
  // The page control with all sixteen tabs, and the Info page shown.
  void CreateTabs();
  // Every other page, each put under its tab.
  void CreatePages();
  void FormCreate();
  void FormDestroy();
  // Loads every page from the system, in the fixed order, and leaves every
  // unsaved-change flag clear: at start and after a restore.
  void LoadAllPages();
  // What the NT family cannot use is disabled, what only it can use enabled.
  void ApplyPlatform();
  // The pages that read from the system or depend on its family, in the
  // order in which they are loaded.
  std::vector<TPage*> Pages() const;
  void ConnectPrintButtons();
  std::vector<TButton*> PrintButtons();
  // Offers to save Win.ini first; empty when the file cannot be read.
  std::vector<std::string> WinIniLinesToPrint();
  // Both system menus: the window's own, then the application window's.
  std::vector<HMENU> SystemMenus() const;
  void ExtendSystemMenus();
  void ShowBackupsSwitch();

  HWND handle_ = nullptr;
  HFONT font_ = nullptr;
  TFocusMemory focusMemory_;
};
