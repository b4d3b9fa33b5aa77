// The tray icon and its menu, driven from outside the real program: notifications posted to the
// icon's window as the notification area sends them, keys posted to the open menu, broadcasts as
// a restarting shell sends them.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/ProgramUnderTest.h"
#include "tests/support/ShellProbe.h"

using namespace test_support;

namespace {

// Menu positions, counted in presses of the down key from a freshly opened menu.
enum TMenuItemPosition { kOptions = 1, kHelp = 2, kAbout = 3, kExit = 4 };

class TrayProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    application_ = program_.WaitUntilStarted();
    ASSERT_NE(application_, nullptr);
    tray_ = program_.FindWindowOfClass("TabfTrayIconWindow");
    ASSERT_NE(tray_, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return TrayIconExists(tray_, 0); }));
  }

  DWORD Pid() const { return program_.ProcessId(); }
  HWND Window(const char* className) const { return program_.FindWindowOfClass(className); }
  bool WaitVisible(const char* className, bool visible) {
    return WaitUntil([&] { return IsWindowVisible(Window(className)) == (visible ? TRUE : FALSE); },
                     5000);
  }

  void Notify(UINT mouseMessage) { PostMessageA(tray_, kTrayCallbackMessage, 0, mouseMessage); }

  HWND OpenMenu(UINT release) {
    Notify(release);
    HWND menu = nullptr;
    WaitUntil([&] { return (menu = VisiblePopupMenuOf(Pid())) != nullptr; }, 5000);
    return menu;
  }

  void Choose(TMenuItemPosition position) {
    ASSERT_TRUE(ChooseFromTrayMenu(tray_, Pid(), position));
  }

  bool Responsive() {
    for (HWND window : {application_, tray_, Window("TForm1")}) {
      DWORD_PTR answer = 0;
      if (!SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer)) {
        return false;
      }
    }
    return true;
  }

  // The shell updates its buttons on its own time: let it catch up before looking.
  void ExpectNoTaskbarButton(const std::string& when) {
    Sleep(500);
    EXPECT_TRUE(WindowsWithTaskbarButtonByRule(Pid()).empty()) << when;
    EXPECT_TRUE(WindowsWithWineTaskbarButton(Pid()).empty()) << when;
  }

  void ExpectExactlyOneIcon(const std::string& when) {
    EXPECT_TRUE(TrayIconExists(tray_, 0)) << when;
    EXPECT_TRUE(WaitUntil([] { return NotificationAreaIconCount() == 1; }, 5000))
        << when << ": " << NotificationAreaIconCount() << " icons";
  }

  TProgramUnderTest program_;
  HWND application_ = nullptr;
  HWND tray_ = nullptr;
};

TEST_F(TrayProgram, AfterStartNothingButTheIconIsVisible) {
  for (HWND window : TopLevelWindowsOf(Pid())) {
    EXPECT_FALSE(IsWindowVisible(window)) << ClassNameOf(window);
  }
  ExpectExactlyOneIcon("after start");
  EXPECT_EQ(GetWindowLongA(application_, GWL_EXSTYLE), WS_EX_TOOLWINDOW);
  for (const char* form : {"TForm1", "TAbout", "THelpForm"}) {
    EXPECT_EQ(GetWindow(Window(form), GW_OWNER), application_) << form;
  }
  // The icon's window is a top-level window of its own, so that broadcasts reach it.
  EXPECT_EQ(GetParent(tray_), nullptr);
  EXPECT_EQ(GetWindow(tray_, GW_OWNER), nullptr);
  ExpectNoTaskbarButton("after start");
}

TEST_F(TrayProgram, LeftAndRightReleaseOpenTheMenuAtThePointer) {
  const POINT pointer{300, 200};
  SetCursorPos(pointer.x, pointer.y);
  for (UINT release : {WM_LBUTTONUP, WM_RBUTTONUP, WM_LBUTTONUP}) {
    HWND menu = OpenMenu(release);
    ASSERT_NE(menu, nullptr) << release;
    RECT r{};
    GetWindowRect(menu, &r);
    EXPECT_EQ(r.left, pointer.x) << release;
    EXPECT_EQ(r.top, pointer.y) << release;
    // Closing it lets the next release open it again.
    PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(WaitUntil([&] { return VisiblePopupMenuOf(Pid()) == nullptr; })) << release;
    EXPECT_TRUE(Responsive());
  }
  // Other notifications open nothing.
  for (UINT other : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONUP, WM_MOUSEMOVE}) Notify(other);
  EXPECT_TRUE(Responsive());
  EXPECT_EQ(VisiblePopupMenuOf(Pid()), nullptr);
}

TEST_F(TrayProgram, MenuItemsShowTheirWindowsWithoutATaskbarButton) {
  struct Case {
    TMenuItemPosition item;
    const char* shows;
  };
  for (const Case& c :
       {Case{kOptions, "TForm1"}, Case{kHelp, "THelpForm"}, Case{kAbout, "TAbout"}}) {
    Choose(c.item);
    ASSERT_TRUE(WaitVisible(c.shows, true)) << c.shows;
    ExpectNoTaskbarButton(std::string("with ") + c.shows + " shown");
  }
  // Each of them was shown by its own item only.
  for (const char* form : {"TForm1", "THelpForm", "TAbout"}) {
    EXPECT_TRUE(IsWindowVisible(Window(form))) << form;
  }
  EXPECT_FALSE(IsWindowVisible(application_));
  EXPECT_TRUE(program_.Running());
}

TEST_F(TrayProgram, ExitRemovesTheIconAndEndsTheProgram) {
  Choose(kExit);
  ASSERT_TRUE(program_.WaitForExit());
  EXPECT_EQ(program_.ExitCode(), 0u);
  EXPECT_FALSE(TrayIconExists(tray_, 0));
  EXPECT_TRUE(WaitUntil([] { return NotificationAreaIconCount() == 0; }, 5000));
}

TEST(TrayClose, CloseRequestToEitherWindowEndsTheProgramAndRemovesTheIcon) {
  for (const char* target : {"TApplication", "TForm1"}) {
    TProgramUnderTest program;
    ASSERT_NE(program.WaitUntilStarted(), nullptr);
    HWND tray = program.FindWindowOfClass("TabfTrayIconWindow");
    ASSERT_TRUE(WaitUntil([&] { return TrayIconExists(tray, 0); })) << target;
    PostMessageA(program.FindWindowOfClass(target), WM_CLOSE, 0, 0);
    ASSERT_TRUE(program.WaitForExit()) << target;
    EXPECT_EQ(program.ExitCode(), 0u) << target;
    EXPECT_FALSE(TrayIconExists(tray, 0)) << target;
  }
}

TEST_F(TrayProgram, MinimisingTheOptionsWindowHidesItIntoTheTray) {
  // Twice: the second time must work as the first.
  for (int round = 1; round <= 2; ++round) {
    Choose(kOptions);
    ASSERT_TRUE(WaitVisible("TForm1", true)) << round;
    PostMessageA(Window("TForm1"), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(WaitVisible("TForm1", false)) << round;
    Sleep(200);
    EXPECT_TRUE(MinimizedWindowsOf(Pid()).empty()) << round;
    EXPECT_FALSE(IsWindowVisible(application_)) << round;
    ExpectExactlyOneIcon("after minimising");
    ExpectNoTaskbarButton("after minimising");
  }
}

TEST_F(TrayProgram, DoubleClickTogglesTheOptionsWindow) {
  Notify(WM_LBUTTONDBLCLK);
  ASSERT_TRUE(WaitVisible("TForm1", true));
  ExpectNoTaskbarButton("after showing by double click");
  Notify(WM_LBUTTONDBLCLK);
  ASSERT_TRUE(WaitVisible("TForm1", false));
  Notify(WM_LBUTTONDBLCLK);
  ASSERT_TRUE(WaitVisible("TForm1", true));
  EXPECT_TRUE(MinimizedWindowsOf(Pid()).empty());
}

TEST_F(TrayProgram, TaskbarCreatedBringsTheIconBackAndShowsTheOptionsWindow) {
  // A restarted shell has lost every icon, then announces itself.
  ASSERT_TRUE(RemoveTrayIcon(tray_, 0));
  ASSERT_TRUE(WaitUntil([] { return NotificationAreaIconCount() == 0; }, 5000));
  SendNotifyMessageA(HWND_BROADCAST, RegisterWindowMessageA("TaskbarCreated"), 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return TrayIconExists(tray_, 0); }));
  ASSERT_TRUE(WaitVisible("TForm1", true));
  ExpectExactlyOneIcon("after TaskbarCreated");
  ExpectNoTaskbarButton("after TaskbarCreated");
}

TEST_F(TrayProgram, StrayInputLeavesItRunningWithOneIcon) {
  HWND menuWindow = Window("TPopupList");
  ASSERT_NE(menuWindow, nullptr);
  const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
  for (int burst = 0; burst < 3; ++burst) {
    // Notifications the icon does not act on, balloon and version-4 ones among them.
    for (UINT n : {0u, 0x0200u, 0x0201u, 0x0204u, 0x0207u, 0x0208u, 0x0206u, 0x0209u, 0x0400u,
                   0x0402u, 0x0403u, 0x0404u, 0x0405u, 0x007Bu, 0xFFFFu, 0xFFFFFFFFu}) {
      Notify(n);
    }
    // Commands no item of the menu has, and a control notification carrying Exit's number.
    for (WPARAM id : {WPARAM{0}, WPARAM{5}, WPARAM{77}, WPARAM{0xFFFF}, WPARAM{0x12345678}}) {
      PostMessageA(menuWindow, WM_COMMAND, id, 0);
    }
    PostMessageA(menuWindow, WM_COMMAND, MAKEWPARAM(4, BN_CLICKED),
                 reinterpret_cast<LPARAM>(tray_));
    SendNotifyMessageA(HWND_BROADCAST, taskbarCreated, 0, 0);
    // Resize requests to the application window and the Options window.
    PostMessageA(application_, WM_SIZE, SIZE_RESTORED, MAKELPARAM(300, 200));
    PostMessageA(application_, WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(1024, 768));
    PostMessageA(application_, WM_SIZE, SIZE_MINIMIZED, 0);
    PostMessageA(Window("TForm1"), WM_SIZE, SIZE_RESTORED, MAKELPARAM(10, 10));
    SetWindowPos(Window("TForm1"), nullptr, 0, 0, 100, 50, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ASSERT_TRUE(Responsive());
  EXPECT_TRUE(program_.Running());
  EXPECT_EQ(VisiblePopupMenuOf(Pid()), nullptr);
  ExpectExactlyOneIcon("after the burst");
  Sleep(500);
  EXPECT_EQ(NotificationAreaIconCount(), 1);
  ExpectNoTaskbarButton("after the burst");
  // Still in working order: the menu opens and Exit ends it.
  Choose(kExit);
  EXPECT_TRUE(program_.WaitForExit());
  EXPECT_EQ(program_.ExitCode(), 0u);
}

}  // namespace
