// The real calvorin.exe against the stand-in shell: the Start button geometry at each start, and
// Apply and exit driven through the Options window's own controls from outside.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/ProgramUnderTest.h"
#include "tests/support/StandInShellDriver.h"
#include "tests/support/WindowQueries.h"

namespace {

using test_support::RegionKind;
using test_support::TLoggedCall;
using test_support::TProgramUnderTest;
using test_support::TStandInShell;

class RealProgram {
 public:
  RealProgram() : options_(nullptr) {
    if (program_.WaitUntilStarted() != nullptr) options_ = program_.FindWindowOfClass("TForm1");
  }
  HWND Options() const { return options_; }

  // A click on one of the Options window's buttons and boxes, made in the program's own thread.
  void Click(const std::string& text) const {
    HWND control = test_support::FindDescendant(options_, "Button", text.c_str());
    ASSERT_NE(control, nullptr) << text;
    SendMessageA(control, BM_CLICK, 0, 0);
  }

  bool Exit() {
    PostMessageA(options_, WM_CLOSE, 0, 0);
    return program_.WaitForExit();
  }

 private:
  TProgramUnderTest program_;
  HWND options_;
};

std::vector<LONG> Edges(RECT r) {
  return {r.left, r.top, r.right, r.bottom};
}

TEST(OptionsShell, EachStartMovesTheStartButtonFromWhereTheLastOneLeftIt) {
  TStandInShell shell("--button=0,0,58,20");
  ASSERT_TRUE(shell.Ready());
  ASSERT_EQ(FindWindowA("Shell_TrayWnd", nullptr), shell.Taskbar());

  struct Start {
    std::vector<TLoggedCall> calls;
    std::vector<LONG> after;
  };
  const Start starts[] = {
      {{{0, 0, 48, 20}, {0, 0, 58, 21}}, {0, 0, 58, 21}},  // 48 x 20, then 58 x 21
      {{{0, 0, 48, 21}}, {0, 0, 48, 21}},                  // the width alone differs now
      {{}, {0, 0, 48, 21}},                                // nothing differs any more
  };
  for (const Start& expected : starts) {
    shell.ClearButtonCalls();
    RealProgram program;
    ASSERT_NE(program.Options(), nullptr);
    EXPECT_EQ(shell.ButtonCalls(), expected.calls);
    EXPECT_EQ(Edges(shell.ButtonRect()), expected.after);
    ASSERT_TRUE(program.Exit());
    EXPECT_EQ(Edges(shell.ButtonRect()), expected.after) << "exit undoes no geometry";
  }
}

TEST(OptionsShell, ApplyHidesAndExitRestoresWhatTheLastApplyLeftHidden) {
  TStandInShell shell;
  ASSERT_TRUE(shell.Ready());
  ASSERT_EQ(FindWindowA("Shell_TrayWnd", nullptr), shell.Taskbar());
  RealProgram program;
  ASSERT_NE(program.Options(), nullptr);

  RECT window{};
  GetWindowRect(program.Options(), &window);
  EXPECT_EQ(window.right - window.left, 517);
  EXPECT_EQ(window.bottom - window.top, 303);

  program.Click("Hide START Button");
  program.Click("Hide ALL ICONS from desktop");
  EXPECT_EQ(RegionKind(shell.StartButton()), ERROR);
  program.Click("Apply");
  EXPECT_EQ(RegionKind(shell.StartButton()), NULLREGION);
  EXPECT_FALSE(IsWindowVisible(shell.IconView()));

  // Unticked and cancelled: the screen stays as the last Apply left it...
  program.Click("Hide START Button");
  program.Click("Hide ALL ICONS from desktop");
  program.Click("Cancel");
  EXPECT_EQ(RegionKind(shell.StartButton()), NULLREGION);
  EXPECT_FALSE(IsWindowVisible(shell.IconView()));

  // ...and exit puts it back all the same.
  ASSERT_TRUE(program.Exit());
  EXPECT_EQ(RegionKind(shell.StartButton()), ERROR);
  EXPECT_TRUE(IsWindowVisible(shell.IconView()));
}

}  // namespace
