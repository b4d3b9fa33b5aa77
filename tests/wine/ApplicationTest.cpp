// The application object and the forms' life, in the test's own process.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "info/Unit2.h"
#include "info/Unit3.h"
#include "options/Unit1.h"
#include "platform/abf/TrayIcon.h"
#include "tests/wine/InProcess.h"

namespace {

using test_support::ProgramTest;

TEST_F(ProgramTest, CreatesTheThreeWindowsInOrderOwnedByTheApplicationWindow) {
  const auto& forms = application_->Forms();
  ASSERT_EQ(forms.size(), 3u);
  EXPECT_EQ(forms[0].get(), Form1);
  EXPECT_EQ(forms[1].get(), About);
  EXPECT_EQ(forms[2].get(), HelpForm);
  EXPECT_EQ(application_->MainForm(), Form1);
  for (const auto& form : forms) {
    EXPECT_EQ(GetWindow(form->Handle(), GW_OWNER), application_->Handle()) << form->Name();
  }
  char caption[64] = {};
  GetWindowTextA(application_->Handle(), caption, sizeof caption);
  EXPECT_STREQ(caption, "Calvorin");
}

TEST_F(ProgramTest, ClosingAnotherFormHidesItAndClosingTheMainFormTerminates) {
  About->Show();
  EXPECT_TRUE(IsWindowVisible(About->Handle()));
  SendMessageA(About->Handle(), WM_CLOSE, 0, 0);
  EXPECT_FALSE(IsWindowVisible(About->Handle()));
  EXPECT_FALSE(application_->Terminated());

  SendMessageA(Form1->Handle(), WM_CLOSE, 0, 0);
  test_support::PumpMessages();
  EXPECT_TRUE(application_->Terminated());
}

TEST_F(ProgramTest, EndOfSessionOnlyMarksTheApplicationAsTerminating) {
  EXPECT_EQ(SendMessageA(application_->Handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
  EXPECT_EQ(SendMessageA(Form1->Handle(), WM_QUERYENDSESSION, 0, 0), TRUE);
  SendMessageA(application_->Handle(), WM_ENDSESSION, TRUE, 0);
  EXPECT_TRUE(application_->Terminated());
  EXPECT_TRUE(IsWindow(Form1->Handle()));  // teardown waits for the loop to stop
}

// Another program asks the program to close while the tray menu is open: the menu's own loop
// takes the quit message, and the program must end all the same once the menu has closed.
TEST_F(ProgramTest, CloseRequestWhileTheTrayMenuIsOpenEndsTheLoop) {
  const DWORD thread = GetCurrentThreadId();
  const HWND applicationWindow = application_->Handle();
  std::atomic<bool> rescued = false;
  std::thread other([&] {
    HWND menu = nullptr;
    for (int i = 0; i < 500 && menu == nullptr; ++i) {
      Sleep(10);
      menu = FindWindowA("#32768", nullptr);
      if (menu != nullptr && !IsWindowVisible(menu)) menu = nullptr;
    }
    PostMessageA(applicationWindow, WM_CLOSE, 0, 0);
    Sleep(300);
    PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    // If the loop has not ended after a while, end it so that the test can fail instead of hang.
    for (int i = 0; i < 500 && !rescued; ++i) Sleep(10);
    if (!rescued) PostThreadMessageA(thread, WM_QUIT, 0, 0);
  });
  HWND trayWindow = FindWindowA(abf::TabfTrayIcon::kWindowClass, nullptr);
  ASSERT_NE(trayWindow, nullptr);
  PostMessageA(trayWindow, 1235, 0, WM_RBUTTONUP);
  DWORD started = GetTickCount();
  application_->Run();
  const DWORD elapsed = GetTickCount() - started;
  rescued = true;
  other.join();
  EXPECT_LT(elapsed, 4000u) << "the message loop ended only when the test ended it";
}

}  // namespace
