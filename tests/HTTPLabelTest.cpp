// The hyperlink labels of the Info page: their look on hover, cursor, hint,
// the sound and the address opened (both recorded by the scripted stand-in).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "app/MainForm.h"
#include "controls/HTTPLabel.h"
#include "tests/FakeInteraction.h"
#include "tests/RegistrySandbox.h"
#include "res/resource.h"
#include "toolkit/Cursors.h"
#include "toolkit/Themes.h"

namespace {

class HTTPLabelTest : public testing::Test {
 protected:
  TRunKeysSandbox sandbox;
  TFakeInteraction dialogs;
  TMainForm form;
  THTTPLabel& label = form.Info->HTTPLabel;
  std::vector<std::string> events;
  HWND other = nullptr;

  void SetUp() override {
    form.Show();
    SetActiveWindow(form.Handle());
    label.OnGetFocus = [this](THTTPLabel&) { events.push_back("GetFocus"); };
    label.OnLooseFocus = [this](THTTPLabel&) { events.push_back("LooseFocus"); };
    label.OnGetFocusWindowActive = [this](THTTPLabel&) { events.push_back("GetFocusWindowActive"); };
    label.OnLooseFocusWindowActive = [this](THTTPLabel&) { events.push_back("LooseFocusWindowActive"); };
    label.OnGetFocusWindowInActive = [this](THTTPLabel&) { events.push_back("GetFocusWindowInActive"); };
    label.OnLooseFocusWindowInActive = [this](THTTPLabel&) { events.push_back("LooseFocusWindowInActive"); };
  }
  void TearDown() override {
    if (other) DestroyWindow(other);
  }
  // Another top-level window takes the activation away from the form.
  void ActivateOtherWindow() {
    other = CreateWindowExA(0, "STATIC", "anders", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr, nullptr, nullptr,
                            nullptr);
    SetActiveWindow(other);
    ASSERT_EQ(GetActiveWindow(), other);
  }
  void Enter() { SendMessageA(label.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2)); }
  void Leave() { SendMessageA(label.Handle(), WM_MOUSELEAVE, 0, 0); }
  void ExpectLook(TColor color, TColor fontColor, TFontStyles style, int line) {
    SCOPED_TRACE(testing::Message() << "look checked at line " << line);
    EXPECT_EQ(label.Color(), color);
    EXPECT_EQ(label.FontColor(), fontColor);
    EXPECT_EQ(label.FontStyle(), style);
  }
};

TEST_F(HTTPLabelTest, AFreshLabelHasItsDefaultsAndTheNormalLook) {
  TDialog page(form.AutoStartPageControl->Handle(), IDD_INFO);
  THTTPLabel label(page, IDC_HTTPLABEL);
  EXPECT_FALSE(label.HighLightOnBlankURL);
  EXPECT_EQ(label.Url(), "");
  EXPECT_EQ(label.BGColorNormal(), clBackground);
  EXPECT_EQ(label.BGColorHighlight(), clHighlight);
  EXPECT_EQ(label.FontColorNormal(), clCaptionText);
  EXPECT_EQ(label.FontColHighlightFocused(), clHighlightText);
  EXPECT_EQ(label.FontColHighlightNoneFocused(), clHighlight);
  EXPECT_EQ(label.FontStyleNormal(), 0u);
  EXPECT_EQ(label.FontStyleHighlightFocused(), fsBold | fsUnderline);
  EXPECT_EQ(label.FontStyleHighlightNoneFocused(), fsUnderline);
  EXPECT_FALSE(label.ShowUrlAsHint());
  EXPECT_TRUE(label.PlaySoundOnFocus);
  EXPECT_EQ(label.Color(), clBackground);
  EXPECT_EQ(label.FontColor(), clCaptionText);
  EXPECT_EQ(label.FontStyle(), 0u);
  EXPECT_EQ(label.Cursor(), crDefault);
  EXPECT_TRUE(label.ShowHint());
  EXPECT_FALSE(label.Hovered());
  EXPECT_EQ(label.Transparent(), !ThemesEnabled());
  EXPECT_EQ(label.FormHandle(), form.Handle());
}

TEST_F(HTTPLabelTest, InfoPageLinksLeadToTheMakerWithTheHandCursor) {
  EXPECT_EQ(label.Url(), "http://www.velmora.example/");
  EXPECT_EQ(form.Info->CopyrightLabel.Url(), "mailto:info@velmora.example");
  EXPECT_EQ(label.FontColorNormal(), clBtnText);
  EXPECT_EQ(form.Info->CopyrightLabel.FontColorNormal(), clWindowText);
  EXPECT_EQ(label.Cursor(), THTTPLabel::crHand);
  EXPECT_EQ(label.FormHandle(), form.Handle());
  HCURSOR hand = CursorHandle(THTTPLabel::crHand);
  EXPECT_NE(hand, LoadCursorA(nullptr, IDC_ARROW));
  SendMessageA(label.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(label.Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), hand);
}

TEST_F(HTTPLabelTest, UrlSetterSwitchesCursorAndHint) {
  label.SetUrl("");
  EXPECT_EQ(label.Cursor(), crDefault);
  EXPECT_EQ(label.Hint(), "");
  label.SetShowUrlAsHint(true);
  EXPECT_TRUE(label.ShowHint());
  label.SetUrl("http://neu.velmora.example/");
  EXPECT_EQ(label.Cursor(), THTTPLabel::crHand);
  EXPECT_EQ(label.Hint(), "http://neu.velmora.example/");
  label.SetShowUrlAsHint(false);
  EXPECT_FALSE(label.ShowHint());
  label.SetUrl("http://dritte.velmora.example/");
  EXPECT_EQ(label.Hint(), "http://neu.velmora.example/");
}

TEST_F(HTTPLabelTest, EnterAndLeaveWithTheFormActive) {
  ASSERT_EQ(GetActiveWindow(), form.Handle());
  Enter();
  EXPECT_TRUE(label.Hovered());
  ExpectLook(clHighlight, clHighlightText, fsUnderline, __LINE__);
  EXPECT_EQ(dialogs.PlayedSounds(), std::vector<std::string>{"CCSelect"});
  Leave();
  EXPECT_FALSE(label.Hovered());
  ExpectLook(clBtnFace, clBtnText, 0, __LINE__);
  EXPECT_EQ(events, (std::vector<std::string>{"GetFocusWindowActive", "GetFocus", "LooseFocusWindowActive",
                                               "LooseFocus"}));
}

TEST_F(HTTPLabelTest, EnterWithTheFormInactiveKeepsTheBackgroundAndPlaysNoSound) {
  ActivateOtherWindow();
  Enter();
  ExpectLook(clBtnFace, clHighlight, fsUnderline, __LINE__);
  EXPECT_TRUE(dialogs.PlayedSounds().empty());
  Leave();
  ExpectLook(clBtnFace, clBtnText, 0, __LINE__);
  EXPECT_EQ(events, (std::vector<std::string>{"GetFocusWindowInActive", "GetFocus", "LooseFocusWindowInActive",
                                               "LooseFocus"}));
}

TEST_F(HTTPLabelTest, WithoutAddressTheLookStaysNormalAndAClickOpensNothingButRunsOnClick) {
  label.SetUrl("");
  int clicks = 0;
  label.OnClick = [&] { ++clicks; };
  Enter();
  ExpectLook(clBtnFace, clBtnText, 0, __LINE__);
  SendMessageA(form.Info->Handle(), WM_COMMAND, MAKEWPARAM(label.Id(), STN_CLICKED),
               reinterpret_cast<LPARAM>(label.Handle()));
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(dialogs.OpenedDocuments().empty());
  label.HighLightOnBlankURL = true;
  Leave();
  Enter();
  ExpectLook(clHighlight, clHighlightText, fsUnderline, __LINE__);
}

TEST_F(HTTPLabelTest, AClickOpensTheAddressForTheFormThenRunsOnClick) {
  std::vector<std::string> order;
  label.OnClick = [&] { order.push_back("OnClick after " + std::to_string(dialogs.OpenedDocuments().size())); };
  SendMessageA(form.Info->Handle(), WM_COMMAND, MAKEWPARAM(label.Id(), STN_CLICKED),
               reinterpret_cast<LPARAM>(label.Handle()));
  ASSERT_EQ(dialogs.OpenedDocuments().size(), 1u);
  EXPECT_EQ(dialogs.OpenedDocuments()[0].address, "http://www.velmora.example/");
  EXPECT_EQ(dialogs.OpenedDocuments()[0].owner, form.Handle());
  EXPECT_EQ(order, std::vector<std::string>{"OnClick after 1"});
}

TEST_F(HTTPLabelTest, PropertyChangesReapplyTheLookWithoutLookingAtTheAddress) {
  label.SetFontColorNormal(clWindowText);
  ExpectLook(clBtnFace, clWindowText, 0, __LINE__);
  Enter();
  dialogs.ClearPlayedSounds();
  label.SetUrl("");  // hovered, form active: the focused highlight all the same
  ExpectLook(clHighlight, clHighlightText, fsUnderline, __LINE__);
  EXPECT_EQ(dialogs.PlayedSounds(), std::vector<std::string>{"CCSelect"});
  label.PlaySoundOnFocus = false;
  label.SetBGColorHighlight(clBtnText);
  EXPECT_EQ(label.Color(), clBtnText);
  EXPECT_EQ(dialogs.PlayedSounds().size(), 1u);
  ActivateOtherWindow();
  label.SetFontStyleHighlightNoneFocused(fsItalic);
  ExpectLook(clBtnFace, clHighlight, fsItalic, __LINE__);
  label.SetFontColHighlightNoneFocused(clHighlight);  // no change, nothing to do
  SendMessageA(label.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  ExpectLook(clBtnFace, clHighlight, fsItalic, __LINE__);
}

}  // namespace
