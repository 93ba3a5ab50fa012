// Every control of every page and of both dialogs lies wholly in sight, clear
// of its neighbours, with room for its text and an access key of its own,
// whatever font and resolution the dialogs are drawn with: at the screen's
// resolution, and at 120 and 144 dots per inch through further runs of this
// program.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/InputQueryDialog.h"
#include "app/MainForm.h"
#include "registry/RegAdd.h"
#include "tests/FakeInteraction.h"
#include "tests/RegistrySandbox.h"
#include "toolkit/Application.h"
#include "toolkit/WindowText.h"

namespace {

struct TPlacedControl {
  HWND handle;
  RECT place;  // screen coordinates
};

LONG StyleOf(HWND window) { return GetWindowLongA(window, GWL_STYLE); }

std::string Describe(HWND control) {
  char id[16];
  std::snprintf(id, sizeof id, " %d \"", GetDlgCtrlID(control));
  return WindowClassName(control).append(id).append(WindowText(control)).append("\"");
}

bool IsGroupBox(HWND control) {
  return WindowClassName(control) == "Button" && (StyleOf(control) & BS_TYPEMASK) == BS_GROUPBOX;
}

// An up-down control lies over the border of the field it steps, by design.
bool IsUpDownOf(HWND upDown, HWND buddy) {
  return WindowClassName(upDown) == UPDOWN_CLASSA && reinterpret_cast<HWND>(SendMessageA(upDown, UDM_GETBUDDY, 0, 0)) == buddy;
}

// The visible controls of a dialog and of the dialogs laid on it (notebook
// pages), not the windows that controls make inside themselves.
void CollectControls(HWND dialog, std::vector<TPlacedControl>& controls) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!(StyleOf(child) & WS_VISIBLE)) continue;
    if (WindowClassName(child) == "#32770") {
      CollectControls(child, controls);
      continue;
    }
    RECT place;
    GetWindowRect(child, &place);
    controls.push_back({child, place});
  }
}

bool Contains(const RECT& outer, const RECT& inner) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

std::string Show(const RECT& r) {
  char text[64];
  std::snprintf(text, sizeof text, "(%ld,%ld)-(%ld,%ld)", r.left, r.top, r.right, r.bottom);
  return text;
}

// The room DrawText needs for the text in the control's font, laid out as
// the control lays it: wrapped at width when wrap is set, else on one line.
SIZE TextExtent(HWND control, const std::string& text, UINT format, int width) {
  HDC dc = GetDC(control);
  auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
  HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
  RECT room = {0, 0, width, 0};
  DrawTextA(dc, text.c_str(), -1, &room, format | DT_CALCRECT | DT_EXPANDTABS);
  SelectObject(dc, old);
  ReleaseDC(control, dc);
  return {room.right, room.bottom};
}

// What a control's own drawing takes from its rectangle before the text:
// borders, the check box, the group box's indent. Nothing for controls
// whose text is not the point (edits, lists) or that have none.
struct TTextRoom {
  bool checked = false;
  UINT format = DT_SINGLELINE;
  int marginX = 0, marginY = 0;
};

TTextRoom TextRoomOf(HWND control) {
  const std::string kind = WindowClassName(control);
  const LONG style = StyleOf(control);
  const int edgeX = GetSystemMetrics(SM_CXEDGE), edgeY = GetSystemMetrics(SM_CYEDGE);
  if (kind == "Static") {
    LONG type = style & SS_TYPEMASK;
    if ((type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_LEFTNOWORDWRAP &&
         type != SS_SIMPLE) || (style & SS_ELLIPSISMASK))
      return {};
    UINT format = (type == SS_LEFTNOWORDWRAP || type == SS_SIMPLE) ? DT_SINGLELINE : DT_WORDBREAK;
    if (style & SS_NOPREFIX) format |= DT_NOPREFIX;
    if (style & SS_EDITCONTROL) format |= DT_EDITCONTROL;
    return {true, format, 0, 0};
  }
  if (kind == "VelmoraSpeedButton") return {true, DT_SINGLELINE, 2 * edgeX, 2 * edgeY};
  if (kind != "Button") return {};
  switch (style & BS_TYPEMASK) {
    case BS_PUSHBUTTON:
    case BS_DEFPUSHBUTTON:
      return {true, (style & BS_MULTILINE) ? UINT(DT_WORDBREAK) : UINT(DT_SINGLELINE), 2 * (edgeX + 2),
              2 * edgeY};
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE:
      return {true, (style & BS_MULTILINE) ? UINT(DT_WORDBREAK) : UINT(DT_SINGLELINE),
              GetSystemMetrics(SM_CXMENUCHECK) + 4, 0};
    case BS_GROUPBOX:
      return {true, DT_SINGLELINE, 16, 0};
  }
  return {};
}

class TLayoutCheck {
 public:
  // Every visible control of dialog inside area, apart from the others and
  // with room for its text. where names the page or dialog in failures.
  void Walk(HWND dialog, const RECT& area, const std::string& where) {
    std::vector<TPlacedControl> controls;
    CollectControls(dialog, controls);
    EXPECT_FALSE(controls.empty()) << where;
    for (const TPlacedControl& control : controls) {
      EXPECT_TRUE(Contains(area, control.place))
          << where << ": " << Describe(control.handle) << " at " << Show(control.place) << " leaves "
          << Show(area);
      ExpectTextFits(control.handle, where);
    }
    for (size_t i = 0; i < controls.size(); ++i)
      for (size_t j = i + 1; j < controls.size(); ++j) ExpectApart(controls[i], controls[j], where);
    ExpectUniqueAccessKeys(controls, where);
  }

 private:
  static void ExpectApart(const TPlacedControl& a, const TPlacedControl& b, const std::string& where) {
    RECT common;
    if (!IntersectRect(&common, &a.place, &b.place)) return;
    if (IsUpDownOf(a.handle, b.handle) || IsUpDownOf(b.handle, a.handle)) return;
    if (IsGroupBox(a.handle) && Contains(a.place, b.place)) return;
    if (IsGroupBox(b.handle) && Contains(b.place, a.place)) return;
    ADD_FAILURE() << where << ": " << Describe(a.handle) << " at " << Show(a.place) << " overlaps "
                  << Describe(b.handle) << " at " << Show(b.place);
  }

  // The letter after a single '&' in a caption that the control underlines.
  static char AccessKey(HWND control) {
    if (!TextRoomOf(control).checked || (WindowClassName(control) == "Static" && (StyleOf(control) & SS_NOPREFIX))) return 0;
    std::string text = WindowText(control);
    for (size_t i = 0; i + 1 < text.size(); ++i) {
      if (text[i] != '&') continue;
      if (text[i + 1] != '&') {
        char key[] = {text[i + 1], 0};
        CharUpperBuffA(key, 1);
        return key[0];
      }
      ++i;
    }
    return 0;
  }

  static void ExpectUniqueAccessKeys(const std::vector<TPlacedControl>& controls, const std::string& where) {
    std::map<char, HWND> owners;
    for (const TPlacedControl& control : controls) {
      char key = AccessKey(control.handle);
      if (!key) continue;
      auto [owner, unique] = owners.emplace(key, control.handle);
      EXPECT_TRUE(unique) << where << ": access key " << key << " of " << Describe(control.handle) << " is also that of "
                          << Describe(owner->second);
    }
  }

  static void ExpectTextFits(HWND control, const std::string& where) {
    TTextRoom room = TextRoomOf(control);
    std::string text = WindowText(control);
    if (!room.checked || text.empty()) return;
    RECT client;
    GetClientRect(control, &client);
    int width = client.right - room.marginX, height = client.bottom - room.marginY;
    SIZE needed = TextExtent(control, text, room.format, width);
    EXPECT_TRUE(needed.cx <= width && needed.cy <= height)
        << where << ": " << Describe(control) << " needs " << needed.cx << " x " << needed.cy << " for its text, has "
        << width << " x " << height;
  }
};

RECT ScreenRect(HWND window, RECT rect) {
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

RECT ClientArea(HWND window) {
  RECT client;
  GetClientRect(window, &client);
  return ScreenRect(window, client);
}

RECT DisplayArea(const TPageControl& pages) {
  RECT area;
  GetClientRect(pages.Handle(), &area);
  TabCtrl_AdjustRect(pages.Handle(), FALSE, &area);
  return ScreenRect(pages.Handle(), area);
}

class Layout : public testing::Test {
 protected:
  TRunKeysSandbox sandbox;
  TFakeInteraction dialogs;
  TLayoutCheck check;

  void SetUp() override {
    HDC screen = GetDC(nullptr);
    std::printf("Dialogs drawn at %d dots per inch\n", GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
  }

  // Each page as the tab shows it; the msdos.sys page with each of its
  // notebook pages and the backup page with its restore panel too.
  void WalkPages(TMainForm& form) {
    TPageControl& pages = *form.AutoStartPageControl;
    RECT client = ClientArea(form.Handle());
    RECT tabs;
    GetWindowRect(pages.Handle(), &tabs);
    EXPECT_TRUE(Contains(client, tabs)) << "page control " << Show(tabs) << " leaves the window " << Show(client);
    RECT area = DisplayArea(pages);
    for (int i = 0; i < pages.PageCount(); ++i) {
      pages.SetActivePageIndex(i);
      check.Walk(pages.Sheet(i), area, pages.PageCaption(i));
    }
    for (int notebookPage : {1, 2}) {
      form.msdossys->msdossysnb.SetPageIndex(notebookPage);
      check.Walk(form.msdossys->Handle(), area, "msdos.sys notebook page " + std::to_string(notebookPage));
    }
    TBackupPage& backup = *form.BackupRestore;
    for (TLabel* restoring : {&backup.RestorePanel, &backup.Label20, &backup.FileNameLabel})
      restoring->SetVisible(true);
    backup.FileNameLabel.SetText("C:\\WINDOWS\\SYSTEM.DAT");
    check.Walk(backup.Handle(), area, "Sich./Wiederh. while restoring");
  }
};

TEST_F(Layout, EveryPageAndDialogFitsAtTheScreensResolution) {
  TMainForm form;
  WalkPages(form);
  TRegAddDlg entry(form.Handle());
  check.Walk(entry.Handle(), ClientArea(entry.Handle()), "entry dialog");
  TInputQueryDialog box(form.Handle(), "Eintrag zum Autostart-Ordner hinzufügen",
                        "Name der Verknüpfung (erforderlich!)", "Editor");
  check.Walk(box.Handle(), ClientArea(box.Handle()), "input box");
}

// Wine takes the resolution from the registry when a program starts.
class TScreenResolution {
 public:
  explicit TScreenResolution(DWORD dotsPerInch) {
    RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                    nullptr);
    DWORD size = sizeof old_;
    hadValue_ = RegQueryValueExA(key_, kValue, nullptr, nullptr, reinterpret_cast<BYTE*>(&old_), &size) == 0;
    Set(dotsPerInch);
  }
  ~TScreenResolution() {
    if (hadValue_)
      Set(old_);
    else
      RegDeleteValueA(key_, kValue);
    RegCloseKey(key_);
  }

 private:
  static constexpr char kValue[] = "LogPixels";
  void Set(DWORD dotsPerInch) {
    RegSetValueExA(key_, kValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dotsPerInch), sizeof dotsPerInch);
  }
  HKEY key_ = nullptr;
  DWORD old_ = 0;
  bool hadValue_ = false;
};

// This program once more, running only the test named by filter; its exit code.
DWORD RunThisProgram(const std::string& filter) {
  char program[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, program, sizeof program);
  std::string commandLine = std::string("\"").append(program).append("\" --gtest_filter=").append(filter);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  PROCESS_INFORMATION process = {};
  std::fflush(stdout);
  if (!CreateProcessA(program, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process))
    return GetLastError();
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD exitCode = 1;
  GetExitCodeProcess(process.hProcess, &exitCode);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return exitCode;
}

TEST(LayoutAtLargeFonts, EveryPageAndDialogFitsAt120And144DotsPerInch) {
  for (DWORD dotsPerInch : {120u, 144u}) {
    SCOPED_TRACE(dotsPerInch);
    TScreenResolution largeFonts(dotsPerInch);
    EXPECT_EQ(RunThisProgram("Layout.EveryPageAndDialogFitsAtTheScreensResolution"), 0u);
  }
}

}  // namespace
