// Start-up and the end of the program, seen from outside.
#include <gtest/gtest.h>

#include "tests/support/ProgramUnderTest.h"

using test_support::TProgramUnderTest;

namespace {

TEST(Startup, CreatesTheApplicationWindowAndThreeWindowsOwnedByIt) {
  TProgramUnderTest program;
  HWND application = program.WaitUntilStarted();
  ASSERT_NE(application, nullptr);

  // The whole extended style was replaced by the tool-window style.
  EXPECT_EQ(GetWindowLongA(application, GWL_EXSTYLE), WS_EX_TOOLWINDOW);

  struct Expected {
    const char* className;
    const char* caption;
  };
  for (const Expected& window : {Expected{"TForm1", "Options"}, Expected{"TAbout", "About"},
                                 Expected{"THelpForm", "Help"}}) {
    HWND found = program.FindWindowOfClass(window.className, window.caption);
    ASSERT_NE(found, nullptr) << window.className;
    EXPECT_EQ(GetWindow(found, GW_OWNER), application) << window.className;
  }
}

TEST(Startup, CloseRequestToEitherWindowEndsTheProgram) {
  for (const char* target : {"TApplication", "TForm1"}) {
    TProgramUnderTest program;
    ASSERT_NE(program.WaitUntilStarted(), nullptr);
    PostMessageA(program.FindWindowOfClass(target), WM_CLOSE, 0, 0);
    EXPECT_TRUE(program.WaitForExit()) << target;
    EXPECT_EQ(program.ExitCode(), 0u) << target;
  }
}

}  // namespace
