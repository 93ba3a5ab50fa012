// The window's own subclass chain that stands in for Common Controls 6 on
// older Windows. Under Wine comctl32 has the real functions, so the chain is
// driven directly here.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "toolkit/SubclassChain.h"

namespace {

constexpr UINT kProbe = WM_APP + 7;
constexpr LRESULT kOwnAnswer = 42;

std::string trace;

LRESULT CALLBACK OwnProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCDESTROY) trace += "own destroyed;";
  if (msg != kProbe) return DefWindowProcA(window, msg, wParam, lParam);
  trace += "own;";
  return kOwnAnswer;
}

// Writes its data (a letter) and hands the message on.
LRESULT CALLBACK Passing(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR letter) {
  if (msg == kProbe) trace += std::string(1, static_cast<char>(letter)) + ";";
  return SubclassChain::CallNext(window, msg, wParam, lParam);
}

// Answers the probe itself.
LRESULT CALLBACK Answering(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
  if (msg != kProbe) return SubclassChain::CallNext(window, msg, wParam, lParam);
  trace += "answered;";
  return 7;
}

// Leaves the chain while handling the probe, then hands it on.
LRESULT CALLBACK Leaving(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR id, DWORD_PTR) {
  if (msg == kProbe) {
    trace += "leaving;";
    SubclassChain::Remove(window, Leaving, id);
  }
  return SubclassChain::CallNext(window, msg, wParam, lParam);
}

class SubclassChainTest : public testing::Test {
 protected:
  HWND window = nullptr;

  void SetUp() override {
    static const ATOM windowClass = [] {
      WNDCLASSA type = {};
      type.lpfnWndProc = OwnProc;
      type.hInstance = GetModuleHandleA(nullptr);
      type.lpszClassName = "VelmoraSubclassProbe";
      return RegisterClassA(&type);
    }();
    ASSERT_NE(windowClass, 0);
    window = CreateWindowExA(0, "VelmoraSubclassProbe", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    trace.clear();
  }
  void TearDown() override {
    if (IsWindow(window)) DestroyWindow(window);
  }

  LRESULT Probe() { return SendMessageA(window, kProbe, 0, 0); }
  LONG_PTR WindowProc() const { return GetWindowLongPtrA(window, GWLP_WNDPROC); }
};

TEST_F(SubclassChainTest, NewestFirstThenDownToTheWindowsOwnProcedure) {
  ASSERT_TRUE(SubclassChain::Add(window, Passing, 1, 'a'));
  ASSERT_TRUE(SubclassChain::Add(window, Passing, 2, 'b'));
  ASSERT_TRUE(SubclassChain::Add(window, Passing, 1, 'c'));  // same proc and id: new data only
  EXPECT_EQ(Probe(), kOwnAnswer);
  EXPECT_EQ(trace, "b;c;own;");
}

TEST_F(SubclassChainTest, AnAnsweringSubclassEndsTheChain) {
  SubclassChain::Add(window, Passing, 1, 'a');
  SubclassChain::Add(window, Answering, 1, 0);
  EXPECT_EQ(Probe(), 7);
  EXPECT_EQ(trace, "answered;");
}

TEST_F(SubclassChainTest, RemovingTheLastSubclassGivesBackTheOwnProcedure) {
  const LONG_PTR own = WindowProc();
  SubclassChain::Add(window, Passing, 1, 'a');
  SubclassChain::Add(window, Answering, 1, 0);
  SubclassChain::Remove(window, Answering, 1);
  EXPECT_EQ(Probe(), kOwnAnswer);
  EXPECT_EQ(trace, "a;own;");
  SubclassChain::Remove(window, Passing, 1);
  EXPECT_EQ(WindowProc(), own);
}

TEST_F(SubclassChainTest, ASubclassLeavingDuringAMessageStillHandsItOnAndSeesNoMore) {
  SubclassChain::Add(window, Passing, 1, 'a');
  SubclassChain::Add(window, Leaving, 1, 0);
  EXPECT_EQ(Probe(), kOwnAnswer);
  EXPECT_EQ(Probe(), kOwnAnswer);
  EXPECT_EQ(trace, "leaving;a;own;a;own;");
}

TEST_F(SubclassChainTest, TheWindowsOwnProcedureSeesItsDestructionAndTheChainGoesWithIt) {
  SubclassChain::Add(window, Passing, 1, 'a');
  ASSERT_TRUE(DestroyWindow(window));
  EXPECT_EQ(trace, "own destroyed;");
  SubclassChain::Remove(window, Passing, 1);  // a window that is gone: nothing left to undo
}

}  // namespace
