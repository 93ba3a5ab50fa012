#pragma once
// The main window: sixteen tab pages, the backups switch of the system
// menus, the start-up sequence and the questions asked on closing.

#include <windows.h>

#include <bitset>
#include <functional>
#include <memory>
#include <optional>
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
#include "support/ComPointer.h"
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

// The program builds the pages after the window is shown, one at a time
// while the user does nothing, and at once the page whose tab the user
// chooses first; a test builds them all before it looks.
enum class TPageBuilding { AtOnce, WhenIdle };

class TMainForm {
 public:
  // The command of "&Backups erstellen" in both system menus.
  static constexpr UINT kBackupsCommand = 9999;

  // Makes the window, hidden, and runs the start-up sequence. showFrame, when
  // given, is called with the window as soon as it has its tabs and the Info
  // page, before the other pages are built and loaded: the program shows it
  // there, so that no page's size holds back the window's appearance.
  explicit TMainForm(const std::function<void(HWND)>& showFrame = nullptr,
                     TPageBuilding building = TPageBuilding::AtOnce);
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
  // Asks the window to build a page from its loop: a tab chosen inside the
  // tab control's notification must not load there, as loading may ask.
  static constexpr UINT kBuildPageMessage = WM_APP + 1;

  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

  void CreateWindowFrame();
  // Sizes the window for that client area and centres it on the screen.
  void PlaceWindow(SIZE client);
  void FitWindowToPages();
  // The page control with all sixteen tabs, and the Info page shown.
  void CreateTabs();
  // A page as made: its sheet, what loads it and its unsaved-change flag.
  struct TMadePage {
    HWND sheet;
    TPage* page;
    std::optional<TPageFlag> flag;
  };
  TMadePage CreatePage(int index);
  TTextFilePage& CreateTextPage(int index);
  // What a page that overwrites a file calls first: MakeBackupCopy.
  std::function<bool(const std::string&)> BackupCopier();
  // Makes the page of that tab, loads it, fits it to the system's family and
  // puts it under its tab; a page that is there stays as it is.
  void BuildPage(int index);
  void BuildAllPages();
  void BuildPagesWhenIdle();
  // One page per turn of the idle loop, so that the user's input waits for
  // no more than one page.
  void BuildNextPage();
  void StopBuildingWhenIdle();
  void FormCreate();
  void FormDestroy();
  // Loads every page built so far from the system, in the fixed order, and
  // leaves every unsaved-change flag clear: after a restore.
  void LoadAllPages();
  // The pages built so far that read from the system, in the order in which
  // they are loaded.
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
  int idleTicket_ = 0;
  std::bitset<32> pagesBeingBuilt_;
  // From the first page built: the window is shown before COM is needed.
  std::optional<TComApartment> comApartment_;
  TFocusMemory focusMemory_;
};
