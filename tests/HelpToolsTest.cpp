// The help object: the machine's security values left alone, the help
// handler's command table, closing help windows, what the user hears when
// help cannot be shown, and the "Hilfe" button of the Info page.
#include <gtest/gtest.h>
#include <windows.h>
#include <htmlhelp.h>

#include <string>
#include <vector>

#include "app/MainForm.h"
#include "help/HelpTools.h"
#include "help/HtmlHelpLibrary.h"
#include "res/resource.h"
#include "tests/FakeInteraction.h"
#include "tests/HtmlHelpRecorder.h"
#include "tests/RegistrySandbox.h"
#include "toolkit/Application.h"

namespace {

constexpr char kHelpSettings[] = "SOFTWARE\\Microsoft\\HTMLHelp\\1.x";
constexpr char kFile[] = "C:\\Programme\\Velmora\\trivan.chm";

std::string Restrictions(const char* section) { return std::string(kHelpSettings) + "\\" + section; }
std::string Dword(DWORD value) { return std::string(reinterpret_cast<const char*>(&value), sizeof value); }

void ForgetHelpSettings() {
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, Restrictions("HHRestrictions").c_str());
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, Restrictions("ItssRestrictions").c_str());
}

std::vector<TStoredValue> Zones(const char* section) { return StoredValues(HKEY_LOCAL_MACHINE, Restrictions(section)); }

bool KeyExists(const std::string& path) {
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

// The library is loaded, as the first help request loads it.
void StartAndAskForHelp() {
  THtmlHelp help;
  bool callHelp = true;
  help.ApplicationHelp(HELP_SETPOPUP_POS, 0, callHelp);
}

// Those values guard every help file on the machine against help from the
// Internet and restricted zones: a start-up tool must not loosen them.
TEST(HtmlHelpSecurity, AStartLeavesMissingValuesMissing) {
  ForgetHelpSettings();
  StartAndAskForHelp();
  EXPECT_FALSE(KeyExists(Restrictions("HHRestrictions")));
  EXPECT_FALSE(KeyExists(Restrictions("ItssRestrictions")));
}

TEST(HtmlHelpSecurity, AStartLeavesExistingValuesAsTheyWere) {
  ForgetHelpSettings();
  StoreValue(HKEY_LOCAL_MACHINE, Restrictions("HHRestrictions"), {"MaxAllowedZone", Dword(0xFFFFFFFF), REG_DWORD});
  StoreString(HKEY_LOCAL_MACHINE, Restrictions("ItssRestrictions"), "MaxAllowedZone", "viel zu lang");
  const std::vector<TStoredValue> hh = Zones("HHRestrictions"), itss = Zones("ItssRestrictions");
  StartAndAskForHelp();
  EXPECT_EQ(Zones("HHRestrictions"), hh);
  EXPECT_EQ(Zones("ItssRestrictions"), itss);
  ForgetHelpSettings();
}

class HtmlHelpTest : public testing::Test {
 protected:
  TFakeInteraction dialogs;
  THtmlHelp help;
  THtmlHelpRecorder recorder;

  void SetUp() override {
    help.SetHelpFile(kFile);
    recorder.Clear();
  }
  bool Request(UINT command, ULONG_PTR data) {
    bool callHelp = true;
    help.ApplicationHelp(command, data, callHelp);
    return callHelp;
  }
  static THtmlHelpCall CloseAll() { return {nullptr, "<none>", HH_CLOSE_ALL, 0}; }
  static THtmlHelpCall Contents() { return {nullptr, kFile, HH_DISPLAY_TOC, 0}; }
};

TEST(HtmlHelpLibraryLoading, WaitsForTheFirstHelpRequestAndThenTakesTheRegisteredLibrary) {
  THtmlHelp help;
  EXPECT_FALSE(HtmlHelpLibrary().Loaded());
  Application().HelpCommand(HELP_SETPOPUP_POS, 0);
  EXPECT_TRUE(HtmlHelpLibrary().Loaded());
  EXPECT_EQ(HtmlHelpLibrary().module, GetModuleHandleA("hhctrl.ocx"));
}

TEST_F(HtmlHelpTest, AnswersTheToolkitsRequests) {
  Application().HelpCommand(HELP_CONTEXT, 100);
  EXPECT_EQ(recorder.Calls(), (std::vector<THtmlHelpCall>{{nullptr, kFile, HH_HELP_CONTEXT, 100}}));
}

TEST_F(HtmlHelpTest, CommandTable) {
  struct Case {
    UINT command;
    ULONG_PTR data;
    std::vector<THtmlHelpCall> calls;
  };
  const std::vector<Case> cases = {
      {HELP_CONTEXT, 101, {{nullptr, kFile, HH_HELP_CONTEXT, 101}}},
      {HELP_KEY, 0x1234, {{nullptr, kFile, HH_HELP_CONTEXT, 0x1234}}},
      {HELP_INDEX, 0, {CloseAll(), Contents()}},
      {HELP_FINDER, 0, {CloseAll(), Contents()}},
      {HELP_SETPOPUP_POS, 0, {}},
      {HELP_QUIT, 0, {}},
      {HELP_HELPONHELP, 0, {}},
      {HELP_PARTIALKEY, 0x1234, {}},
      {HELP_COMMAND, 0x1234, {}},
  };
  for (const Case& c : cases) {
    recorder.Clear();
    EXPECT_FALSE(Request(c.command, c.data)) << "command " << c.command;
    EXPECT_EQ(recorder.Calls(), c.calls) << "command " << c.command;
    EXPECT_TRUE(help.HelpUsed()) << "command " << c.command;
  }
  ExpectShown(dialogs, {});
}

TEST_F(HtmlHelpTest, ContentsThatCannotBeShownAreExplained) {
  const std::string existing = ProgramHelpFile();
  const std::string refused =
      "Die Hilfe kann nicht angezeigt werden: Die HTML-Hilfe von Windows öffnet die Hilfedatei " + existing +
      " nicht. Meist sperren ihre Sicherheitseinstellungen Hilfedateien, die auf einem Netzlaufwerk oder im Internet "
      "liegen. Starten Sie Velmora von einem lokalen Laufwerk, oder lassen Sie einen Administrator diesen Ordner "
      "unter HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\HTMLHelp\\1.x\\ItssRestrictions im Wert UrlAllowList "
      "freigeben.";
  const std::string missing = std::string("Die Hilfe kann nicht angezeigt werden: Die Hilfedatei ") + kFile +
                              " wurde nicht gefunden. Ein Administrator kann Velmora neu installieren, damit die "
                              "Hilfedatei wieder neben dem Programm liegt.";
  recorder.RefuseEverything();
  Request(HELP_FINDER, 0);
  help.SetHelpFile(existing);
  Request(HELP_FINDER, 0);
  {
    THtmlHelpRecorder absent(false);
    Request(HELP_FINDER, 0);
  }
  ExpectShown(dialogs, {Error(missing), Error(refused),
                        Error("Die Hilfe kann nicht angezeigt werden: Die HTML-Hilfe von Windows (hhctrl.ocx) ist auf "
                              "diesem Rechner nicht installiert. Ein Administrator kann sie nachinstallieren.")});
}

TEST_F(HtmlHelpTest, TextPopupUsesTheStoredPositionAndTheActiveWindow) {
  Request(HELP_SETPOPUP_POS, MAKELONG(static_cast<WORD>(-5), 300));
  EXPECT_EQ(help.PopupPosition().x, -5);
  EXPECT_EQ(help.PopupPosition().y, 300);
  Request(HELP_CONTEXTPOPUP, 42);
  ASSERT_EQ(recorder.Calls(), (std::vector<THtmlHelpCall>{
                                  {GetActiveWindow(), std::string(kFile) + "::/\\cshelp.txt", HH_DISPLAY_TEXT_POPUP, 0}}));
  const TRecordedPopup& popup = recorder.LastPopup();
  EXPECT_EQ(popup.size, sizeof(HH_POPUP));
  EXPECT_EQ(popup.stringNumber, 42u);
  EXPECT_EQ(popup.position.x, -5);
  EXPECT_EQ(popup.position.y, 300);
  EXPECT_EQ(popup.foreground, 255u);
  EXPECT_EQ(popup.background, static_cast<COLORREF>(-1));
  EXPECT_EQ(popup.margins.left, -1);
  EXPECT_EQ(popup.margins.top, -1);
  EXPECT_EQ(popup.margins.right, -1);
  EXPECT_EQ(popup.margins.bottom, -1);
  EXPECT_EQ(popup.font, "");
  EXPECT_FALSE(popup.hasText);
}

TEST_F(HtmlHelpTest, ClosesHelpWindowsOnlyAfterHelpWasUsed) {
  EXPECT_FALSE(help.HelpUsed());
  help.CloseHelpWindows();
  EXPECT_TRUE(recorder.Calls().empty());
  Request(HELP_CONTEXT, 100);
  recorder.Clear();
  help.CloseHelpWindows();
  EXPECT_EQ(recorder.Calls(), std::vector<THtmlHelpCall>{CloseAll()});
  EXPECT_FALSE(help.HelpUsed());
}

TEST_F(HtmlHelpTest, SettingTheSameFileAgainKeepsTheHelpWindowsAndAnotherClosesThem) {
  Request(HELP_CONTEXT, 100);
  recorder.Clear();
  help.SetHelpFile(kFile);
  EXPECT_TRUE(recorder.Calls().empty());
  EXPECT_TRUE(help.HelpUsed());
  help.SetHelpFile("C:\\anders.chm");
  EXPECT_EQ(recorder.Calls(), std::vector<THtmlHelpCall>{CloseAll()});
  EXPECT_EQ(help.HelpFile(), "C:\\anders.chm");
}

TEST_F(HtmlHelpTest, WithoutTheLibraryEveryRequestIsHandledAndOnlyTheContentsSayWhyTheyAreMissing) {
  THtmlHelpRecorder missing(false);
  for (UINT command : {HELP_CONTEXT, HELP_INDEX, HELP_CONTEXTPOPUP, HELP_FINDER, HELP_SETPOPUP_POS, HELP_KEY})
    EXPECT_FALSE(Request(command, 7)) << "command " << command;
  EXPECT_TRUE(help.HelpUsed());
  EXPECT_EQ(help.PopupPosition().x, 0);
  help.CloseHelpWindows();
  EXPECT_FALSE(help.HelpUsed());
  const TShownMessage noLibrary = Error(
      "Die Hilfe kann nicht angezeigt werden: Die HTML-Hilfe von Windows (hhctrl.ocx) ist auf diesem Rechner nicht "
      "installiert. Ein Administrator kann sie nachinstallieren.");
  ExpectShown(dialogs, {noLibrary, noLibrary});
}

TEST(HtmlHelpHandler, IsInstalledForItsLifeAndThenThePreviousOneIsBack) {
  int previousCalls = 0;
  Application().OnHelp = [&](UINT, ULONG_PTR, bool& callHelp) {
    ++previousCalls;
    callHelp = false;
  };
  {
    THtmlHelp help;
    THtmlHelpRecorder recorder;
    Application().HelpCommand(HELP_FINDER, 0);
    EXPECT_EQ(previousCalls, 0);
    EXPECT_TRUE(help.HelpUsed());
    EXPECT_EQ(THtmlHelp::Current(), &help);
  }
  EXPECT_EQ(THtmlHelp::Current(), nullptr);
  EXPECT_FALSE(HtmlHelpLibrary().Loaded());
  Application().HelpCommand(HELP_FINDER, 0);
  EXPECT_EQ(previousCalls, 1);
  Application().OnHelp = nullptr;
}

class HelpButtonTest : public testing::Test {
 protected:
  TRunKeysSandbox sandbox;
  TFakeInteraction dialogs;
  THtmlHelp help;
  THtmlHelpRecorder recorder;

  void PressHelp(TMainForm& form) { SendMessageA(form.Info->HelpBtn.Handle(), BM_CLICK, 0, 0); }
};

TEST_F(HelpButtonTest, TheWindowNamesTheHelpFileBesideTheProgramAndClosesHelpWhenItGoes) {
  auto form = std::make_unique<TMainForm>();
  EXPECT_EQ(help.HelpFile(), ProgramHelpFile());
  EXPECT_EQ(ProgramHelpFile().substr(ProgramHelpFile().rfind('\\')), "\\trivan.chm");
  PressHelp(*form);
  recorder.Clear();
  form.reset();
  EXPECT_EQ(recorder.Calls(), (std::vector<THtmlHelpCall>{{nullptr, "<none>", HH_CLOSE_ALL, 0}}));
}

TEST_F(HelpButtonTest, EveryPressClosesTheOpenHelpWindowAndShowsTheContents) {
  TMainForm form;
  recorder.Clear();
  PressHelp(form);
  PressHelp(form);
  THtmlHelpCall close = {nullptr, "<none>", HH_CLOSE_ALL, 0}, contents = {nullptr, ProgramHelpFile(), HH_DISPLAY_TOC, 0};
  EXPECT_EQ(recorder.Calls(), (std::vector<THtmlHelpCall>{close, contents, close, contents}));
  ExpectShown(dialogs, {});
}

TEST_F(HelpButtonTest, WithoutTheLibraryTheButtonSaysWhy) {
  THtmlHelpRecorder missing(false);
  TMainForm form;
  PressHelp(form);
  ExpectShown(dialogs, {Error("Die Hilfe kann nicht angezeigt werden: Die HTML-Hilfe von Windows (hhctrl.ocx) ist "
                              "auf diesem Rechner nicht installiert. Ein Administrator kann sie nachinstallieren.")});
}

TEST_F(HelpButtonTest, F1OverAControlWithoutHelpContextAsksForNoHelp) {
  TMainForm form;
  recorder.Clear();
  HELPINFO info = {sizeof info, HELPINFO_WINDOW, IDC_REGCHECKBTN, form.WinReg->RegCheckBtn.Handle(), 0, {}};
  SendMessageA(form.WinReg->Handle(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_TRUE(recorder.Calls().empty());
  EXPECT_FALSE(help.HelpUsed());
}

TEST_F(HelpButtonTest, F1OverASpeedButtonWithAHelpContextAsksForItsTopic) {
  TMainForm form;
  form.WinReg->HKCURunBtn.SetHelpContext(101);
  recorder.Clear();
  HELPINFO info = {sizeof info, HELPINFO_WINDOW, IDC_HKCURUNBTN, form.WinReg->HKCURunBtn.Handle(), 0, {}};
  SendMessageA(form.WinReg->Handle(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(recorder.Calls(), (std::vector<THtmlHelpCall>{{nullptr, ProgramHelpFile(), HH_HELP_CONTEXT, 101}}));
  EXPECT_EQ(form.WinReg->HKLMRunBtn.HelpContext(), 0);
}

}  // namespace
