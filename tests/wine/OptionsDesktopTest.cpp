// The Options window on a desktop where Wine draws the frames itself, driven by mouse input as a
// user gives it: the title bar's buttons and the status bar's size grip.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include "options/ProportionRule.h"
#include "options/Unit1.h"
#include "platform/vcl/Panel.h"
#include "platform/vcl/StatusBar.h"
#include "tests/wine/OptionsTestSupport.h"

namespace {

using test_support::PumpFor;
using test_support::PumpUntil;

class OptionsOnDesktop : public test_support::OptionsProgramTest {
 protected:
  void SetUp() override {
    OptionsProgramTest::SetUp();
    Form1->Show();
    ASSERT_TRUE(PumpUntil([] { return GetForegroundWindow() == Form1->Handle(); }));
    PumpFor(200);
  }

  // Every event carries its own position: a cursor set apart may not yet have arrived where the
  // next event is taken.
  static void Mouse(DWORD button, POINT at) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = button | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    // Normalised coordinates, rounded up so that they map back onto the same pixel.
    auto normalise = [](LONG pixel, int extent) { return (pixel * 65536 + extent - 1) / extent; };
    input.mi.dx = normalise(at.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = normalise(at.y, GetSystemMetrics(SM_CYSCREEN));
    SendInput(1, &input, sizeof input);
  }

  // A press and release of the left button at a point on the screen.
  static void ClickAt(POINT at) {
    Mouse(0, at);
    Mouse(MOUSEEVENTF_LEFTDOWN, at);
    Mouse(MOUSEEVENTF_LEFTUP, at);
    PumpFor(500);
  }

  // Press, move, release. The press starts the sizing loop on this thread, so the rest of the
  // gesture comes from another thread, as from the user's hand, once the loop runs: a move made
  // earlier would already be where the loop starts from.
  static inline std::atomic<bool> sizing = false;
  static LRESULT CALLBACK WatchForSizing(int code, WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<CWPSTRUCT*>(lParam)->message == WM_ENTERSIZEMOVE) sizing = true;
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }

  static bool DragFromTo(POINT from, POINT to) {
    Mouse(0, from);
    sizing = false;
    HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, WatchForSizing, nullptr, GetCurrentThreadId());
    bool sized = false;
    std::thread hand([to, &sized] {
      for (int i = 0; i < 500 && !sized; ++i) {
        sized = sizing;
        Sleep(10);
      }
      Mouse(0, to);
      Sleep(200);
      Mouse(MOUSEEVENTF_LEFTUP, to);
    });
    Mouse(MOUSEEVENTF_LEFTDOWN, from);
    PumpUntil([&] { return !(GetAsyncKeyState(VK_LBUTTON) & 0x8000) && sized; }, 6000);
    hand.join();
    PumpFor(200);
    UnhookWindowsHookEx(hook);
    return sized;
  }

  // The centre of a title bar button, counted from the right: 0 is Close, 1 Maximise.
  static POINT TitleButton(int fromRight) {
    RECT r{};
    GetWindowRect(Form1->Handle(), &r);
    int frame = GetSystemMetrics(SM_CXSIZEFRAME);
    int width = GetSystemMetrics(SM_CXSIZE);
    return {r.right - frame - width / 2 - 2 - fromRight * width,
            r.top + GetSystemMetrics(SM_CYSIZEFRAME) + GetSystemMetrics(SM_CYCAPTION) / 2};
  }

  static LRESULT HitTest(POINT at) {
    return SendMessageA(Form1->Handle(), WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y));
  }
};

TEST_F(OptionsOnDesktop, FirstShowingCentresOnTheVirtualScreen) {
  EXPECT_EQ(Form1->Left(), std::max(0, (GetSystemMetrics(SM_CXVIRTUALSCREEN) - 517) / 2));
  EXPECT_EQ(Form1->Top(), std::max(0, (GetSystemMetrics(SM_CYVIRTUALSCREEN) - 303) / 2));
}

TEST_F(OptionsOnDesktop, TitleBarCloseButtonDoesNotClose) {
  // The clicks reach the title bar: Maximise works.
  POINT maximise = TitleButton(1);
  ASSERT_EQ(HitTest(maximise), HTMAXBUTTON);
  ClickAt(maximise);
  ASSERT_TRUE(IsZoomed(Form1->Handle()));
  ShowWindow(Form1->Handle(), SW_RESTORE);
  PumpFor(200);

  POINT close = TitleButton(0);
  ASSERT_EQ(HitTest(close), HTCLOSE);
  ClickAt(close);
  EXPECT_TRUE(IsWindowVisible(Form1->Handle()));
  EXPECT_FALSE(application_->Terminated());
}

TEST_F(OptionsOnDesktop, SizeGripResizesTheWindowByTheProportionRule) {
  ASSERT_EQ(Form1->Width(), 517);
  RECT bar{};
  GetWindowRect(Form1->StatusBar1->Handle(), &bar);
  POINT grip{bar.right - 4, bar.bottom - 4};
  ASSERT_EQ(SendMessageA(Form1->StatusBar1->Handle(), WM_NCHITTEST, 0, MAKELPARAM(grip.x, grip.y)),
            HTBOTTOMRIGHT);

  ASSERT_TRUE(DragFromTo(grip, {grip.x + 40, grip.y + 100})) << "no sizing loop";
  // The height follows the pointer; the width follows the height.
  EXPECT_EQ(Form1->Height(), 403);
  EXPECT_EQ(Form1->Width(), options::WidthForHeight(403));
  EXPECT_EQ(LastWidth, Form1->Width());
  EXPECT_EQ(LastHeight, 403);
  EXPECT_EQ(Form1->Panel1->ClientSize().cx, Form1->ClientSize().cx);
}

}  // namespace
