// No taskbar at all: Wine's explorer, which keeps a hidden "Shell_TrayWnd" even without a
// desktop, is ended first (this test has a prefix of its own). A top-level "Button" window of
// another program is there instead; nothing the program does may reach it.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "options/Unit1.h"
#include "platform/abf/StartButtonProperties.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/CheckBox.h"
#include "tests/support/StandInShellDriver.h"
#include "tests/wine/OptionsTestSupport.h"

namespace {

using test_support::Click;
using test_support::RegionKind;
using test_support::TStandInShell;

class WithoutTaskbar : public test_support::OptionsProgramTest {
 protected:
  static void SetUpTestSuite() {
    HWND tray = FindWindowA("Shell_TrayWnd", nullptr);
    if (tray == nullptr) return;
    DWORD explorer = 0;
    GetWindowThreadProcessId(tray, &explorer);
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, explorer);
    TerminateProcess(process, 0);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
  }

  void SetUp() override {
    ASSERT_TRUE(test_support::WaitUntil([] { return !FindWindowA("Shell_TrayWnd", nullptr); }));
    shell_ = std::make_unique<TStandInShell>("--taskbar=none --decoy");
    ASSERT_TRUE(shell_->Ready());
    ASSERT_NE(shell_->Decoy(), nullptr);
    ASSERT_EQ(FindWindowA("Shell_TrayWnd", nullptr), nullptr);
    OptionsProgramTest::SetUp();
  }

  void TearDown() override {
    OptionsProgramTest::TearDown();
    shell_.reset();
  }

  std::vector<LONG> DecoyRect() const {
    RECT r{};
    GetWindowRect(shell_->Decoy(), &r);
    return {r.left, r.top, r.right, r.bottom};
  }

  std::unique_ptr<TStandInShell> shell_;
};

TEST_F(WithoutTaskbar, GeometryStepFindsNoStartButtonAndMovesNothing) {
  EXPECT_EQ(Form1->Start_Button_Power->Button(), nullptr);
  // Captured as (0, 0, 60, 20), the decoy would have been made 21 high.
  EXPECT_EQ(DecoyRect(), (std::vector<LONG>{0, 0, 60, 20}));
}

TEST_F(WithoutTaskbar, StartButtonOperationsTouchNoOtherWindow) {
  Click(Form1->CheckBox1);
  Click(Form1->CheckBox2);
  Click(Form1->Button1);
  EXPECT_EQ(RegionKind(shell_->Decoy()), ERROR);
  EXPECT_FALSE(IsWindowVisible(shell_->IconView()));  // the icons are still hidden as asked

  // A region given by someone else stays: restoring touches no other window either.
  SetWindowRgn(shell_->Decoy(), CreateRectRgn(0, 0, 10, 10), TRUE);
  Click(Form1->CheckBox1);
  Click(Form1->Button1);
  EXPECT_EQ(RegionKind(shell_->Decoy()), SIMPLEREGION);
  Click(Form1->CheckBox1);
  EndProgram();
  EXPECT_EQ(RegionKind(shell_->Decoy()), SIMPLEREGION);
  EXPECT_TRUE(IsWindowVisible(shell_->IconView()));
  EXPECT_EQ(DecoyRect(), (std::vector<LONG>{0, 0, 60, 20}));
}

}  // namespace
