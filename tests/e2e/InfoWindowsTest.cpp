// The About and Help windows of the real program, seen and driven from outside.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/support/ProgramUnderTest.h"
#include "tests/support/ShellProbe.h"

using namespace test_support;

namespace {

constexpr char kMakerAddress[] = "http://www.calvorin.example/";

bool Visible(HWND window) {
  return IsWindowVisible(window) != FALSE;
}

void LeftClickAt(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  INPUT input[2] = {};
  input[0].type = input[1].type = INPUT_MOUSE;
  input[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  input[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  for (INPUT& one : input) {
    Sleep(100);
    SendInput(1, &one, sizeof one);
  }
}

// Tray menu items, counted in presses of the down key from a freshly opened menu.
constexpr int kHelpItem = 2;
constexpr int kAboutItem = 3;

bool ChooseFromMenu(TProgramUnderTest& program, int item) {
  return ChooseFromTrayMenu(program.FindWindowOfClass("TabfTrayIconWindow"), program.ProcessId(),
                            item);
}

// For as long as it lives, the shell opens web addresses with our recorder, which writes each
// address it is given to a file.
class TAddressRecorder {
 public:
  TAddressRecorder() {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    log_ = std::string(temp) + "calvorin-opened-addresses.txt";
    DeleteFileA(log_.c_str());
    const char* recorder = std::getenv("CALVORIN_URL_RECORDER");
    if (recorder == nullptr) return;
    RegCreateKeyExA(HKEY_CLASSES_ROOT, "http\\shell\\open\\command", 0, nullptr, 0, KEY_ALL_ACCESS,
                    nullptr, &key_, nullptr);
    if (key_ == nullptr) return;
    char old[1024] = {};
    DWORD size = sizeof old;
    if (RegQueryValueExA(key_, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(old), &size) ==
        ERROR_SUCCESS) {
      previous_ = old;
    }
    // "recorder" "log" "%1", put together piece by piece (GCC 12 warns wrongly about a + b + c).
    std::string command = "\"";
    command.append(WindowsPath(recorder)).append("\" \"").append(log_).append("\" \"%1\"");
    installed_ =
        RegSetValueExA(key_, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                       static_cast<DWORD>(command.size() + 1)) == ERROR_SUCCESS;
  }
  ~TAddressRecorder() {
    if (key_ == nullptr) return;
    RegSetValueExA(key_, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(previous_.c_str()),
                   static_cast<DWORD>(previous_.size() + 1));
    RegCloseKey(key_);
    DeleteFileA(log_.c_str());
  }

  bool Installed() const { return installed_; }
  std::string Recorded() const {
    std::ifstream in(log_);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }

 private:
  std::string log_;
  HKEY key_ = nullptr;
  std::string previous_;
  bool installed_ = false;
};

TEST(InfoWindows, TrayMenuShowsThemAndShowingAVisibleOneOnlyBringsItToTheFront) {
  TProgramUnderTest program;
  ASSERT_NE(program.WaitUntilStarted(), nullptr);
  HWND about = program.FindWindowOfClass("TAbout", "About");
  HWND help = program.FindWindowOfClass("THelpForm", "Help");

  ASSERT_TRUE(ChooseFromMenu(program, kHelpItem));
  ASSERT_TRUE(WaitUntil([&] { return Visible(help); }));
  EXPECT_FALSE(Visible(about));
  ASSERT_TRUE(ChooseFromMenu(program, kAboutItem));
  ASSERT_TRUE(WaitUntil([&] { return Visible(about); }));
  EXPECT_TRUE(IsAbove(about, help));

  RECT before{};
  GetWindowRect(help, &before);
  ASSERT_TRUE(ChooseFromMenu(program, kHelpItem));
  EXPECT_TRUE(WaitUntil([&] { return IsAbove(help, about); }));
  RECT after{};
  GetWindowRect(help, &after);
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_TRUE(Visible(about));
  EXPECT_TRUE(program.Running());
}

TEST(HelpWindow, OptionsHelpButtonShowsItAndCloseAndTheTitleBarHideIt) {
  TProgramUnderTest program;
  ASSERT_NE(program.WaitUntilStarted(), nullptr);
  HWND options = program.FindWindowOfClass("TForm1", "Options");
  HWND help = program.FindWindowOfClass("THelpForm", "Help");
  HWND helpButton = FindDescendant(options, "Button", "Help");
  HWND close = FindDescendant(help, "Button", "Close");
  ASSERT_NE(helpButton, nullptr);
  ASSERT_NE(close, nullptr);
  ASSERT_FALSE(Visible(help));

  SendMessageA(helpButton, BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return Visible(help); }));
  EXPECT_TRUE(GetWindowLongA(help, GWL_EXSTYLE) & WS_EX_TOPMOST);

  SendMessageA(close, BM_CLICK, 0, 0);
  EXPECT_TRUE(WaitUntil([&] { return !Visible(help); }));

  SendMessageA(helpButton, BM_CLICK, 0, 0);
  ASSERT_TRUE(WaitUntil([&] { return Visible(help); }));
  PostMessageA(help, WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_TRUE(WaitUntil([&] { return !Visible(help); }));
  EXPECT_TRUE(IsWindow(help));
  EXPECT_TRUE(program.Running());
}

TEST(AboutWindow, LinkOpensTheMakersAddressThroughTheShellAndTheWindowStays) {
  TAddressRecorder recorder;
  ASSERT_TRUE(recorder.Installed());
  TProgramUnderTest program;
  ASSERT_NE(program.WaitUntilStarted(), nullptr);
  HWND about = program.FindWindowOfClass("TAbout", "About");
  ASSERT_NE(about, nullptr);
  ASSERT_TRUE(ChooseFromMenu(program, kAboutItem));
  ASSERT_TRUE(WaitUntil([&] { return Visible(about); }));
  HWND link = FindDescendant(about, "Static", (std::string("Visit to ") + kMakerAddress).c_str());
  ASSERT_NE(link, nullptr);

  LeftClickAt(CentreOf(link));
  std::string expected = std::string(kMakerAddress) + "\n";
  EXPECT_TRUE(WaitUntil([&] { return recorder.Recorded() == expected; }))
      << "recorded: " << recorder.Recorded();
  EXPECT_TRUE(Visible(about));
  EXPECT_TRUE(GetWindowLongA(about, GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_TRUE(program.Running());
}

}  // namespace
