// The program without a mouse: Tab follows the reading order of every page,
// every button answers its access key, the key buttons of the Registry page
// are one group of the arrow keys, and the lists take the keys Windows
// users expect (Einfg, Entf, Enter, F2, F5, the context-menu key and
// Shift+F10). The keys go through the program's own message loop.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/MainForm.h"
#include "registry/RunKeyPath.h"
#include "support/Tools.h"
#include "tests/FakeInteraction.h"
#include "tests/RegistrySandbox.h"
#include "tests/ScratchStartupFolder.h"
#include "toolkit/Application.h"
#include "toolkit/Subclass.h"
#include "toolkit/WindowText.h"

namespace {

LONG StyleOf(HWND window) { return GetWindowLongA(window, GWL_STYLE); }

// A key as the keyboard gives it to the focused control, with Shift held
// or not; the loop then runs until nothing is left to do.
void PressKey(WPARAM key, bool shift = false, UINT message = WM_KEYDOWN) {
  BYTE keys[256], held[256];
  GetKeyboardState(keys);
  std::copy(keys, keys + 256, held);
  held[VK_SHIFT] = shift ? 0x80 : 0;
  SetKeyboardState(held);
  PostMessageA(GetFocus(), message, key, 1);
  Application().ProcessMessages();
  SetKeyboardState(keys);
}

// Alt and a letter: what the keyboard makes of it reaches the loop.
void PressAltKey(char letter) {
  PostMessageA(GetFocus(), WM_SYSCHAR, static_cast<unsigned char>(letter), 0x20000001);
  Application().ProcessMessages();
}

// The letter after a single '&', in small letters; 0 when there is none.
char AccessKeyOf(const std::string& caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    char key[] = {caption[i + 1], 0};
    CharLowerBuffA(key, 1);
    return key[0];
  }
  return 0;
}

RECT PlaceOf(HWND window) {
  RECT place;
  GetWindowRect(window, &place);
  return place;
}

// True when b may follow a in reading order: in a row further down, further
// right in the same row, or at the top of a column further right.
bool ReadsAfter(HWND a, HWND b) {
  const RECT first = PlaceOf(a), next = PlaceOf(b);
  const bool sameRow = next.top < first.bottom && first.top < next.bottom;
  return next.top >= first.bottom || (sameRow && next.left >= first.left) || next.left >= first.right;
}

bool IsPushOrSpeedButton(HWND control) {
  const std::string kind = WindowClassName(control);
  if (kind == "VelmoraSpeedButton") return true;
  const LONG type = StyleOf(control) & BS_TYPEMASK;
  return kind == "Button" && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

// The key buttons of the Registry page and the scope buttons of the Autostart
// page are reached with the arrow keys instead.
bool IsGroupedSpeedButton(HWND control) {
  return WindowClassName(control) == "VelmoraSpeedButton" && (SendMessageA(control, WM_GETDLGCODE, 0, 0) & DLGC_WANTARROWS);
}

bool IsRadioButton(HWND control) {
  const LONG type = StyleOf(control) & BS_TYPEMASK;
  return WindowClassName(control) == "Button" && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
}

// A group of radio buttons is one stop of the Tab key: it stands for its first button.
HWND StopOf(HWND control) {
  if (!IsRadioButton(control)) return control;
  while (!(StyleOf(control) & WS_GROUP) && GetWindow(control, GW_HWNDPREV)) control = GetWindow(control, GW_HWNDPREV);
  return control;
}

// The controls of a page and of the dialogs laid on it, visible and enabled.
void CollectUsable(HWND dialog, std::vector<HWND>& controls) {
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child) || !IsWindowEnabled(child)) continue;
    if (WindowClassName(child) == "#32770") CollectUsable(child, controls);
    else controls.push_back(child);
  }
}

// Records the button clicks that reach a dialog, instead of acting on them.
class TClickRecorder {
 public:
  explicit TClickRecorder(HWND dialog) : dialog_(dialog) { AddSubclass(dialog, Proc, 1, reinterpret_cast<DWORD_PTR>(this)); }
  ~TClickRecorder() { RemoveSubclass(dialog_, Proc, 1); }
  std::vector<HWND> clicked;

 private:
  static LRESULT CALLBACK Proc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self) {
    if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
      reinterpret_cast<TClickRecorder*>(self)->clicked.push_back(reinterpret_cast<HWND>(lParam));
      return 0;
    }
    return CallNextSubclass(dialog, msg, wParam, lParam);
  }
  HWND dialog_;
};

class KeyboardTest : public testing::Test {
 protected:
  KeyboardTest() {
    CoInitialize(nullptr);
    TRunKeyPath run = ResolveRunKeyPath(RunKeyPath("HKEY_LOCAL_MACHINE", "Run"));
    StoreString(run.root, run.subKey, "Uhr", "uhr.exe");
    StoreString(run.root, run.subKey, "Wecker", "wecker.exe");
    WriteFileBytes(startup.File("Editor.lnk"), "");
    form = std::make_unique<TMainForm>();
    form->Show();
    SetForegroundWindow(form->Handle());
  }
  ~KeyboardTest() override {
    form.reset();
    CoUninitialize();
  }

  TPageControl& Pages() { return *form->AutoStartPageControl; }
  void ShowPage(int index) {
    Pages().SetActivePageIndex(index);
    Application().ProcessMessages();
  }
  TRegistryPage& Registry() { return *form->WinReg; }
  TAutostartPage& Autostart() { return *form->Startup; }
  void FocusRow(TReportListView& list, int row) {
    SetFocus(list.Handle());
    list.Select(row);
  }

  // Tab from the page's first stop round to it again; the page control, which
  // Tab passes on its way from the last stop to the first, is left out.
  std::vector<HWND> TabCycle(HWND page) {
    HWND first = GetNextDlgTabItem(page, nullptr, FALSE);
    if (!first) return {};
    SetFocus(first);
    std::vector<HWND> cycle = {first};
    for (int i = 0; i < 80; ++i) {
      PressKey(VK_TAB);
      HWND focus = GetFocus();
      if (focus == first) return cycle;
      if (focus != Pages().Handle()) cycle.push_back(focus);
    }
    ADD_FAILURE() << "Tab never came back to " << WindowText(first);
    return cycle;
  }

  TRunKeysSandbox sandbox;
  TFakeInteraction dialogs;
  TScratchStartupFolder startup{"keyboard-startup"};
  std::unique_ptr<TMainForm> form;
};

TEST_F(KeyboardTest, TabVisitsEveryStopOfEachPageOnceInReadingOrder) {
  for (int index = 0; index < Pages().PageCount(); ++index) {
    ShowPage(index);
    const std::string where = Pages().PageCaption(index);
    HWND page = Pages().Sheet(index);
    std::set<HWND> stops;
    std::vector<HWND> usable;
    CollectUsable(page, usable);
    for (HWND control : usable)
      if (StyleOf(control) & WS_TABSTOP) stops.insert(StopOf(control));
    const std::vector<HWND> cycle = TabCycle(page);
    std::set<HWND> visited;
    for (HWND control : cycle) EXPECT_TRUE(visited.insert(StopOf(control)).second) << where << ": twice " << WindowText(control);
    EXPECT_EQ(visited, stops) << where;
    for (size_t i = 1; i < cycle.size(); ++i)
      EXPECT_TRUE(ReadsAfter(cycle[i - 1], cycle[i]))
          << where << ": \"" << WindowText(cycle[i]) << "\" comes after \"" << WindowText(cycle[i - 1]) << "\"";
  }
}

// Every push and speed button of every page has an access key, and Alt with
// it presses that button and no other, wherever on the page the focus is.
TEST_F(KeyboardTest, AltWithTheAccessKeyPressesEachButtonOfThePageWhereverTheFocusIs) {
  for (int index = 0; index < Pages().PageCount(); ++index) {
    ShowPage(index);
    const std::string where = Pages().PageCaption(index);
    HWND page = Pages().Sheet(index);
    HWND first = GetNextDlgTabItem(page, nullptr, FALSE);
    HWND last = GetNextDlgTabItem(page, nullptr, TRUE);
    for (HWND focus : {first, last}) {
      if (!focus) continue;
      // What is usable depends on the focus: "Anwendung hinzufügen" needs a field of Win.ini.
      SetFocus(focus);
      std::vector<HWND> usable;
      CollectUsable(page, usable);
      std::map<HWND, std::unique_ptr<TClickRecorder>> recorders;
      for (HWND control : usable)
        if (!recorders.count(GetParent(control)))
          recorders[GetParent(control)] = std::make_unique<TClickRecorder>(GetParent(control));
      for (HWND button : usable) {
        if (!IsPushOrSpeedButton(button) || IsGroupedSpeedButton(button)) continue;
        const char key = AccessKeyOf(WindowText(button));
        EXPECT_NE(key, 0) << where << ": no access key on " << WindowText(button);
        if (!key) continue;
        SetFocus(focus);
        PressAltKey(key);
        std::vector<HWND> clicked;
        for (auto& [dialog, recorder] : recorders) {
          clicked.insert(clicked.end(), recorder->clicked.begin(), recorder->clicked.end());
          recorder->clicked.clear();
        }
        EXPECT_EQ(clicked, std::vector<HWND>{button})
            << where << ": Alt+" << key << " from \"" << WindowText(focus) << "\" for \"" << WindowText(button) << "\"";
      }
    }
  }
}

// The ten key buttons are one stop of Tab: the arrow keys walk the visible
// ones in reading order, round the ends; Space chooses the key.
TEST_F(KeyboardTest, TheKeyButtonsAreOneGroupOfTheArrowKeysAndSpaceChoosesAKey) {
  ShowPage(1);
  TRegistryPage& page = Registry();
  std::vector<HWND> keyButtons;
  const std::vector<TSpeedButton*> all = {&page.HKLMRunBtn,     &page.HKCURunBtn,       &page.HKLMRunServicesBtn,
                                          &page.HKLMRunOnceBtn, &page.HKCURunOnceBtn,   &page.HKLMRunServicesOnceBtn,
                                          &page.HKLMRun32Btn,   &page.HKLMRunOnce32Btn, &page.HKLMPolicyRunBtn,
                                          &page.HKCUPolicyRunBtn};
  for (TSpeedButton* button : all)
    if (button->Visible()) keyButtons.push_back(button->Handle());
  SetFocus(page.RegView.Handle());
  PressKey(VK_TAB, true);
  ASSERT_EQ(GetFocus(), page.HKLMRunBtn.Handle()) << "Shift+Tab from the list reaches the button that is down";
  std::vector<HWND> walked = {GetFocus()};
  for (size_t i = 1; i < keyButtons.size(); ++i) {
    PressKey(i % 2 ? VK_RIGHT : VK_DOWN);
    walked.push_back(GetFocus());
  }
  EXPECT_EQ(std::set<HWND>(walked.begin(), walked.end()), std::set<HWND>(keyButtons.begin(), keyButtons.end()));
  for (size_t i = 1; i < walked.size(); ++i) EXPECT_TRUE(ReadsAfter(walked[i - 1], walked[i])) << WindowText(walked[i]);
  PressKey(VK_RIGHT);
  EXPECT_EQ(GetFocus(), page.HKLMRunBtn.Handle()) << "round the end";
  PressKey(VK_LEFT);
  EXPECT_EQ(GetFocus(), walked.back());
  EXPECT_EQ(page.CurrentRegKey, page.HKLMRunBtn.Hint()) << "moving chooses nothing";
  PressKey(VK_LEFT);
  PressKey(VK_SPACE);
  TSpeedButton* chosen = nullptr;
  for (TSpeedButton* button : all)
    if (button->Handle() == walked[walked.size() - 2]) chosen = button;
  ASSERT_NE(chosen, nullptr);
  EXPECT_EQ(page.CurrentRegKey, chosen->Hint());
  EXPECT_TRUE(chosen->Down());
  EXPECT_EQ(GetFocus(), chosen->Handle());
  SetFocus(page.RegView.Handle());
  PressKey(VK_TAB, true);
  EXPECT_EQ(GetFocus(), chosen->Handle()) << "the stop of Tab moved with the key chosen";
}

// What each key does on a list, shown by the buttons whose press it stands for.
TEST_F(KeyboardTest, TheListKeysPressTheButtonsOfTheirCommands) {
  ShowPage(1);
  TRegistryPage& registry = Registry();
  TAutostartPage& autostart = Autostart();
  std::vector<std::string> pressed;
  for (auto* button : {&registry.AddRegBtn, &registry.EditRegBtn, &registry.RemoveRegBtn, &registry.RegExportBtn,
                       &autostart.AutostartAddBtn, &autostart.AutostartDeleteBtn})
    button->OnClick = [&pressed, button] { pressed.push_back(button->Text()); };
  for (auto* button : {&registry.RegCheckBtn, &registry.SaveRegBtn, &registry.RegRefreshBtn, &autostart.AutostartCheckBtn,
                       &autostart.AutostartRefreshBtn})
    button->OnClick = [&pressed, button] { pressed.push_back(button->Text()); };
  const struct {
    TReportListView* list;
    int page;
    WPARAM key;
    std::vector<std::string> pressed;
  } cases[] = {
      {&registry.RegView, 1, VK_INSERT, {registry.AddRegBtn.Text()}},
      {&registry.RegView, 1, VK_RETURN, {registry.EditRegBtn.Text()}},
      {&registry.RegView, 1, VK_F2, {registry.EditRegBtn.Text()}},
      {&registry.RegView, 1, VK_DELETE, {registry.RemoveRegBtn.Text()}},
      {&registry.RegView, 1, VK_F5, {registry.RegRefreshBtn.Text()}},
      {&registry.RegView, 1, 'X', {}},
      {&autostart.AutoStartFolderLV, 2, VK_INSERT, {autostart.AutostartAddBtn.Text()}},
      {&autostart.AutoStartFolderLV, 2, VK_DELETE, {autostart.AutostartDeleteBtn.Text()}},
      {&autostart.AutoStartFolderLV, 2, VK_F5, {autostart.AutostartRefreshBtn.Text()}},
      {&autostart.AutoStartFolderLV, 2, VK_RETURN, {}},
  };
  for (const auto& each : cases) {
    ShowPage(each.page);
    FocusRow(*each.list, 0);
    pressed.clear();
    PressKey(each.key);
    EXPECT_EQ(pressed, each.pressed) << "page " << each.page << ", key " << each.key;
    EXPECT_EQ(GetFocus(), each.list->Handle()) << "page " << each.page << ", key " << each.key;
  }
  // Without a row, the buttons that need one are disabled: their keys do nothing.
  ShowPage(1);
  FocusRow(registry.RegView, -1);
  pressed.clear();
  PressKey(VK_DELETE);
  PressKey(VK_RETURN);
  EXPECT_TRUE(pressed.empty());
}

// The context-menu key and Shift+F10 open a menu of the page's commands,
// each as its button is at that moment; every item presses its button.
TEST_F(KeyboardTest, TheContextMenuOffersEveryCommandOfThePageAndEachItemPressesItsButton) {
  TRegistryPage& registry = Registry();
  TAutostartPage& autostart = Autostart();
  std::vector<TControl*> commands[] = {
      {&registry.AddRegBtn, &registry.EditRegBtn, &registry.RemoveRegBtn, &registry.RegExportBtn, &registry.RegCheckBtn,
       &registry.SaveRegBtn, &registry.RegRefreshBtn},
      {&autostart.AutostartAddBtn, &autostart.AutostartDeleteBtn, &autostart.AutostartCheckBtn,
       &autostart.AutostartRefreshBtn}};
  TReportListView* lists[] = {&registry.RegView, &autostart.AutoStartFolderLV};
  std::vector<std::string> pressed;
  for (auto* button : {&registry.AddRegBtn, &registry.EditRegBtn, &registry.RemoveRegBtn, &registry.RegExportBtn,
                       &autostart.AutostartAddBtn, &autostart.AutostartDeleteBtn})
    button->OnClick = [&pressed, button] { pressed.push_back(button->Text()); };
  for (auto* button : {&registry.RegCheckBtn, &registry.SaveRegBtn, &registry.RegRefreshBtn, &autostart.AutostartCheckBtn,
                       &autostart.AutostartRefreshBtn})
    button->OnClick = [&pressed, button] { pressed.push_back(button->Text()); };
  for (int page = 0; page < 2; ++page) {
    ShowPage(page + 1);
    for (TControl* command : commands[page]) {
      for (bool shiftF10 : {false, true}) {
        FocusRow(*lists[page], 0);
        dialogs.menus.clear();
        pressed.clear();
        dialogs.ChooseMenuItem(command->Text());
        if (shiftF10) PressKey(VK_F10, true, WM_SYSKEYDOWN);
        else PressKey(VK_APPS);
        ASSERT_EQ(dialogs.menus.size(), 1u) << command->Text();
        const auto& items = dialogs.menus[0];
        ASSERT_EQ(items.size(), commands[page].size());
        for (size_t i = 0; i < items.size(); ++i) {
          EXPECT_EQ(items[i].text.substr(0, items[i].text.find('\t')), commands[page][i]->Text());
          EXPECT_EQ(items[i].enabled, commands[page][i]->Enabled()) << items[i].text;
        }
        EXPECT_EQ(pressed, std::vector<std::string>{command->Text()});
        EXPECT_EQ(GetFocus(), lists[page]->Handle());
      }
    }
  }
  // The right mouse button opens the same menu.
  ShowPage(1);
  FocusRow(registry.RegView, 0);
  RECT row;
  ListView_GetItemRect(registry.RegView.Handle(), 0, &row, LVIR_LABEL);
  dialogs.menus.clear();
  dialogs.ChooseMenuItem(std::nullopt);
  PostMessageA(registry.RegView.Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(row.left + 2, row.top + 2));
  PostMessageA(registry.RegView.Handle(), WM_RBUTTONUP, 0, MAKELPARAM(row.left + 2, row.top + 2));
  Application().ProcessMessages();
  EXPECT_EQ(dialogs.menus.size(), 1u);
  // Without a row, what needs one is grayed.
  FocusRow(registry.RegView, -1);
  dialogs.menus.clear();
  dialogs.ChooseMenuItem(std::nullopt);
  PressKey(VK_APPS);
  ASSERT_EQ(dialogs.menus.size(), 1u);
  EXPECT_FALSE(dialogs.menus[0][1].enabled);
  EXPECT_FALSE(dialogs.menus[0][2].enabled);
  EXPECT_TRUE(dialogs.menus[0][0].enabled);
}

// The space bar switches the entry of the row with the focus, as a click on
// its box does, once the key was handled; the row keeps the focus.
TEST_F(KeyboardTest, TheSpaceBarSwitchesTheEntryOfTheFocusedRow) {
  ShowPage(1);
  TRegistryPage& page = Registry();
  FocusRow(page.RegView, 1);
  ASSERT_EQ(page.RegView.Caption(1), "Wecker");
  PressKey(VK_SPACE);
  EXPECT_FALSE(page.RegView.Checked(1));
  EXPECT_TRUE(page.RegView.Checked(0));
  EXPECT_TRUE(page.RegChanged);
  PressKey(VK_SPACE);
  EXPECT_TRUE(page.RegView.Checked(1));
  EXPECT_EQ(GetFocus(), page.RegView.Handle());
  EXPECT_EQ(page.RegView.SelectedIndex(), 1);
  ExpectShown(dialogs, {});
}

// Typing the beginning of a name selects the first row from the focused one
// on that begins with it, whoever holds the rows.
TEST_F(KeyboardTest, TypingALetterSelectsTheNextRowWhoseNameBeginsWithIt) {
  const struct {
    int page;
    int focused;
    char letter;
    std::string selected;
  } cases[] = {
      {1, -1, 'w', "Wecker"}, {1, 1, 'U', "Uhr"}, {1, 0, 'x', "Uhr"}, {2, -1, 'e', "Editor.lnk"},
  };
  for (const auto& c : cases) {
    ShowPage(c.page);
    TReportListView& list = c.page == 1 ? static_cast<TReportListView&>(Registry().RegView) : Autostart().AutoStartFolderLV;
    FocusRow(list, c.focused);
    Sleep(600);  // letters typed within about half a second are one name to the list
    PostMessageA(list.Handle(), WM_CHAR, static_cast<unsigned char>(c.letter), 1);
    Application().ProcessMessages();
    const int selected = list.SelectedIndex();
    EXPECT_EQ(selected >= 0 ? list.Caption(selected) : "", c.selected) << c.letter;
  }
}

// The keys do what the buttons do, with the same questions: Entf asks before
// it removes, and F5 before it drops unsaved changes.
TEST_F(KeyboardTest, EntfAsksBeforeRemovingAndF5BeforeDroppingChanges) {
  ShowPage(1);
  TRegistryPage& page = Registry();
  FocusRow(page.RegView, 0);
  const std::string name = page.RegView.Caption(0);
  dialogs.Answer({TModalResult::Yes});
  PressKey(VK_DELETE);
  EXPECT_EQ(page.RegView.Count(), 1);
  EXPECT_TRUE(page.RegChanged);
  FocusRow(page.RegView, 0);
  dialogs.Answer({TModalResult::No});
  PressKey(VK_F5);
  EXPECT_EQ(page.RegView.Count(), 1);
  ExpectShown(dialogs, {Question(name + " wirklich entfernen?"), Question("Änderungen für " + page.CurrentRegKey + " verwerfen?")});
}

// A real message box, answered "&Nein" as a person would.
BOOL CALLBACK AnswerNo(HWND window, LPARAM seen) {
  if (WindowClassName(window) != "#32770" || !IsWindowVisible(window)) return TRUE;
  *reinterpret_cast<std::string*>(seen) = WindowText(GetDlgItem(window, 0xFFFF));
  PostMessageA(window, WM_COMMAND, IDNO, 0);
  return FALSE;
}
std::string boxSeen;
void CALLBACK AnswerMessageBox(HWND, UINT, UINT_PTR timer, DWORD) {
  if (!EnumThreadWindows(GetCurrentThreadId(), AnswerNo, reinterpret_cast<LPARAM>(&boxSeen))) KillTimer(nullptr, timer);
}

TEST(KeyboardMessageBox, AfterTheQuestionOfEntfTheListHasTheFocusAndItsRowAgain) {
  TRunKeysSandbox sandbox;
  TRunKeyPath run = ResolveRunKeyPath(RunKeyPath("HKEY_LOCAL_MACHINE", "Run"));
  StoreString(run.root, run.subKey, "Uhr", "uhr.exe");
  TMainForm form;  // the desktop's own message boxes: no stand-in installed
  form.Show();
  SetForegroundWindow(form.Handle());
  form.AutoStartPageControl->SetActivePageIndex(1);
  TRegistryPage& page = *form.WinReg;
  SetFocus(page.RegView.Handle());
  page.RegView.Select(0);
  boxSeen.clear();
  SetTimer(nullptr, 0, 20, AnswerMessageBox);
  PressKey(VK_DELETE);
  EXPECT_EQ(boxSeen, "Uhr wirklich entfernen?");
  EXPECT_EQ(page.RegView.Count(), 1);
  EXPECT_EQ(GetFocus(), page.RegView.Handle());
  EXPECT_EQ(page.RegView.SelectedIndex(), 0);
  EXPECT_TRUE(page.RemoveRegBtn.Enabled());
}

}  // namespace
