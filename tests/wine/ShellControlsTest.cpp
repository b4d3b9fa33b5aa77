// The Start button and desktop icon operations, against a stand-in shell in another process: the
// region is read back with GetWindowRgn and the icon view with IsWindowVisible.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "options/ShellControls.h"
#include "options/Unit1.h"
#include "platform/abf/StartButtonProperties.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/CheckBox.h"
#include "platform/vcl/Handles.h"
#include "tests/support/StandInShellDriver.h"
#include "tests/wine/MessageBoxWatcher.h"
#include "tests/wine/OptionsTestSupport.h"

namespace {

using test_support::Click;
using test_support::RegionKind;
using test_support::TLoggedCall;
using test_support::TStandInShell;

// The stand-in shell is up before the program starts, so that the Options window's creation
// finds it.
class ShellTest : public test_support::OptionsProgramTest {
 public:
  void Apply() { Click(Form1->Button1); }
  void Cancel() { Click(Form1->Button2); }

  // Something other than the program hides the items, to show whether a restore call is made.
  void HideItemsBehindTheProgramsBack() const {
    SetWindowRgn(shell_->StartButton(), CreateRectRgn(0, 0, 0, 0), TRUE);
    ShowWindow(shell_->IconView(), SW_HIDE);
    ASSERT_EQ(ButtonRegion(), NULLREGION);
    ASSERT_FALSE(IconsVisible());
  }

 protected:
  virtual std::string StandInArguments() const { return ""; }

  void SetUp() override {
    shell_ = std::make_unique<TStandInShell>(StandInArguments());
    ASSERT_TRUE(shell_->Ready());
    if (shell_->Taskbar() != nullptr) {
      // Wine keeps a hidden taskbar of its own; the stand-in must be the one found.
      ASSERT_EQ(FindWindowA("Shell_TrayWnd", nullptr), shell_->Taskbar());
    }
    OptionsProgramTest::SetUp();
  }

  void TearDown() override {
    OptionsProgramTest::TearDown();
    shell_.reset();
  }

  int ButtonRegion() const { return RegionKind(shell_->StartButton()); }
  bool IconsVisible() const { return IsWindowVisible(shell_->IconView()) != FALSE; }

  std::unique_ptr<TStandInShell> shell_;
};

TEST_F(ShellTest, CreationFindsTheIconViewAndLeavesAButtonAt0x0x48x21Alone) {
  EXPECT_EQ(DesktopIconView, shell_->IconView());
  EXPECT_EQ(Form1->Start_Button_Power->Button(), shell_->StartButton());
  EXPECT_TRUE(shell_->ButtonCalls().empty());
  EXPECT_EQ(ButtonRegion(), ERROR);
  EXPECT_TRUE(IconsVisible());
}

TEST_F(ShellTest, BoxesSetTheFlagsAtOnceAndOnlyApplyChangesTheScreen) {
  Click(Form1->CheckBox1);
  Click(Form1->CheckBox2);
  EXPECT_TRUE(HideStart);
  EXPECT_TRUE(HideIcons);
  EXPECT_EQ(ButtonRegion(), ERROR);
  EXPECT_TRUE(IconsVisible());

  Cancel();  // keeps the flags
  EXPECT_TRUE(HideStart);
  EXPECT_EQ(ButtonRegion(), ERROR);

  Apply();
  EXPECT_EQ(ButtonRegion(), NULLREGION);
  EXPECT_FALSE(IconsVisible());
  EXPECT_FALSE(IsWindowVisible(Form1->Handle()));

  Click(Form1->CheckBox1);
  EXPECT_FALSE(HideStart);
  EXPECT_EQ(ButtonRegion(), NULLREGION);
  Apply();  // with one box unticked: the button comes back, the icons stay hidden
  EXPECT_EQ(ButtonRegion(), ERROR);
  EXPECT_FALSE(IconsVisible());

  Click(Form1->CheckBox2);
  Apply();
  EXPECT_EQ(ButtonRegion(), ERROR);
  EXPECT_TRUE(IconsVisible());
}

TEST_F(ShellTest, EveryApplyAppliesBothFlagsWhetherOrNotAnythingChanged) {
  Click(Form1->CheckBox1);
  Apply();
  ASSERT_EQ(ButtonRegion(), NULLREGION);
  // Someone else gives the button its whole face back; the next Apply hides it again.
  SetWindowRgn(shell_->StartButton(), nullptr, TRUE);
  Apply();
  EXPECT_EQ(ButtonRegion(), NULLREGION);

  // With neither box ticked, Apply restores and shows, also what it did not hide itself.
  Click(Form1->CheckBox1);
  HideItemsBehindTheProgramsBack();
  Apply();
  EXPECT_EQ(ButtonRegion(), ERROR);
  EXPECT_TRUE(IconsVisible());
}

TEST_F(ShellTest, ApplyWithTheShutdownBoxTickedStillAppliesTheFlags) {
  Click(Form1->CheckBox3);
  Click(Form1->CheckBox1);
  Click(Form1->CheckBox2);
  // The picker still holds the moment of start, now past: Apply refuses it with a message box.
  test_support::TMessageBoxWatcher boxes;
  Apply();
  EXPECT_EQ(boxes.Seen().size(), 1u);
  EXPECT_EQ(ButtonRegion(), NULLREGION);
  EXPECT_FALSE(IconsVisible());
}

TEST_F(ShellTest, RestartedShellIsReachedAgain) {
  Click(Form1->CheckBox1);
  Click(Form1->CheckBox2);
  Apply();
  HWND oldIconView = DesktopIconView;

  shell_.reset();  // the shell ends and comes back with new windows
  ASSERT_FALSE(IsWindow(oldIconView));
  shell_ = std::make_unique<TStandInShell>();
  ASSERT_TRUE(shell_->Ready());
  ASSERT_EQ(FindWindowA("Shell_TrayWnd", nullptr), shell_->Taskbar());
  EXPECT_EQ(ButtonRegion(), ERROR);
  EXPECT_TRUE(IconsVisible());

  Apply();
  EXPECT_EQ(ButtonRegion(), NULLREGION);
  EXPECT_FALSE(IconsVisible());
  EXPECT_EQ(DesktopIconView, shell_->IconView());

  test_support::ProgramTest::EndProgram();
  EXPECT_EQ(ButtonRegion(), ERROR);
  EXPECT_TRUE(IconsVisible());
}

struct ExitCase {
  const char* what;
  std::function<void(ShellTest&)> before;  // what the user does while the program runs
  bool restored;                           // whether exit puts the items back
};

void PrintTo(const ExitCase& c, std::ostream* out) {
  *out << c.what;
}

class ExitRestore : public ShellTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(ExitRestore, PutsBackWhatTheBoxesOrTheLastApplyLeftHidden) {
  const ExitCase& c = GetParam();
  Click(Form1->CheckBox1);
  Click(Form1->CheckBox2);
  c.before(*this);
  EndProgram();
  if (c.restored) {
    EXPECT_EQ(ButtonRegion(), ERROR) << c.what;
    EXPECT_TRUE(IconsVisible()) << c.what;
  } else {
    EXPECT_EQ(ButtonRegion(), NULLREGION) << c.what;
    EXPECT_FALSE(IconsVisible()) << c.what;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, ExitRestore,
    ::testing::Values(
        ExitCase{"boxes ticked, Apply", [](ShellTest& t) { t.Apply(); }, true},
        ExitCase{"applied hide, boxes unticked, Cancel: the program's own hide is undone",
                 [](ShellTest& t) {
                   t.Apply();
                   Click(Form1->CheckBox1);
                   Click(Form1->CheckBox2);
                   t.Cancel();
                 },
                 true},
        ExitCase{"boxes ticked, Cancel, no Apply: the restore calls are made all the same",
                 [](ShellTest& t) {
                   t.Cancel();
                   t.HideItemsBehindTheProgramsBack();
                 },
                 true},
        ExitCase{"boxes unticked and applied: exit makes no call",
                 [](ShellTest& t) {
                   t.Apply();
                   Click(Form1->CheckBox1);
                   Click(Form1->CheckBox2);
                   t.Apply();
                   t.HideItemsBehindTheProgramsBack();
                 },
                 false},
        ExitCase{"ticked and unticked without Apply: exit makes no call",
                 [](ShellTest& t) {
                   Click(Form1->CheckBox1);
                   Click(Form1->CheckBox2);
                   t.HideItemsBehindTheProgramsBack();
                 },
                 false}));

struct GeometryCase {
  const char* what;
  RECT edges;                      // the button's placement before the program starts
  std::vector<TLoggedCall> calls;  // what the geometry step sends it
  RECT after;                      // left, top, right, bottom afterwards
};

void PrintTo(const GeometryCase& c, std::ostream* out) {
  *out << c.what;
}

class GeometryStep : public ShellTest, public ::testing::WithParamInterface<GeometryCase> {
 protected:
  std::string StandInArguments() const override {
    const RECT& e = GetParam().edges;
    return "--button=" + std::to_string(e.left) + "," + std::to_string(e.top) + "," +
           std::to_string(e.right - e.left) + "," + std::to_string(e.bottom - e.top);
  }
};

TEST_P(GeometryStep, MovesTheStartButtonFromItsCapturedPlacement) {
  const GeometryCase& c = GetParam();
  EXPECT_EQ(shell_->ButtonCalls(), c.calls) << c.what;
  RECT r = shell_->ButtonRect();
  EXPECT_EQ((std::vector<LONG>{r.left, r.top, r.right, r.bottom}),
            (std::vector<LONG>{c.after.left, c.after.top, c.after.right, c.after.bottom}))
      << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    CapturedEdges, GeometryStep,
    ::testing::Values(GeometryCase{"B != 21: R wide and 21 high at (L, T)",
                                   {5, 3, 60, 25},
                                   {{0, 3, 60, 25}, {5, 0, 60, 25}, {5, 3, 48, 25}, {5, 3, 60, 21}},
                                   {5, 3, 65, 24}},
                      GeometryCase{"B = 21, R != 48: 48 wide at (L, T)",
                                   {5, 3, 60, 21},
                                   {{0, 3, 60, 21}, {5, 0, 60, 21}, {5, 3, 48, 21}},
                                   {5, 3, 53, 24}},
                      GeometryCase{"B = 21, R = 48, T != 0: at (L, 0)",
                                   {5, 3, 48, 21},
                                   {{0, 3, 48, 21}, {5, 0, 48, 21}},
                                   {5, 0, 53, 21}},
                      GeometryCase{"B = 21, R = 48, T = 0, L != 0: at (0, 0)",
                                   {5, 0, 48, 21},
                                   {{0, 0, 48, 21}},
                                   {0, 0, 48, 21}},
                      GeometryCase{"(0, 0, 48, 21): no call", {0, 0, 48, 21}, {}, {0, 0, 48, 21}},
                      GeometryCase{"(0, 0, R, B): two calls, R wide and 21 high",
                                   {0, 0, 58, 20},
                                   {{0, 0, 48, 20}, {0, 0, 58, 21}},
                                   {0, 0, 58, 21}}));

class WithoutDesktop : public ShellTest {
 protected:
  std::string StandInArguments() const override { return "--progman=no"; }
};

TEST_F(WithoutDesktop, IconOperationsDoNothingAndTheStartButtonStillWorks) {
  EXPECT_EQ(DesktopIconView, nullptr);
  Click(Form1->CheckBox1);
  Click(Form1->CheckBox2);
  Apply();
  EXPECT_EQ(ButtonRegion(), NULLREGION);
  Click(Form1->CheckBox2);
  Apply();
  EXPECT_EQ(DesktopIconView, nullptr);
  EndProgram();
  EXPECT_EQ(ButtonRegion(), ERROR);
}

// A taskbar without a Start button, and some program's top-level "Button" window besides.
class WithoutStartButton : public ShellTest {
 protected:
  std::string StandInArguments() const override { return "--taskbar=childless --decoy"; }

  RECT DecoyRect() const {
    RECT r{};
    GetWindowRect(shell_->Decoy(), &r);
    return r;
  }
};

TEST_F(WithoutStartButton, TouchesNoOtherWindowAndBreaksNothing) {
  ASSERT_NE(shell_->Decoy(), nullptr);
  EXPECT_EQ(Form1->Start_Button_Power->Button(), nullptr);
  RECT before = DecoyRect();
  EXPECT_EQ((std::vector<LONG>{before.left, before.top, before.right, before.bottom}),
            (std::vector<LONG>{0, 0, 60, 20}));

  Click(Form1->CheckBox1);
  Click(Form1->CheckBox2);
  Apply();
  EXPECT_EQ(RegionKind(shell_->Decoy()), ERROR);
  EXPECT_FALSE(IconsVisible());
  EndProgram();
  EXPECT_EQ(RegionKind(shell_->Decoy()), ERROR);
  EXPECT_TRUE(IconsVisible());
}

TEST_F(WithoutStartButton, TheEmptyRegionNobodyTookIsDeleted) {
  Click(Form1->CheckBox1);
  // Fill the process's GDI handle table, all but a few entries.
  std::vector<vcl::TUniqueRegion> filler;
  while (HRGN region = CreateRectRgn(0, 0, 0, 0)) filler.emplace_back(region);
  ASSERT_GT(filler.size(), 1000u);
  filler.resize(filler.size() - 20);
  for (int i = 0; i < 100; ++i) Form1->Button1->Click();
  vcl::TUniqueRegion probe(CreateRectRgn(0, 0, 0, 0));
  filler.clear();
  EXPECT_NE(probe, nullptr) << "Apply left regions behind";
}

}  // namespace
