// Starts the stand-in shell (tests/support/StandInShell.cpp) and reads back what was done to its
// windows, from the test's process.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/ProgramUnderTest.h"
#include "tests/support/StandInShellProtocol.h"

namespace test_support {

class TStandInShell {
 public:
  // Arguments as stand_in_shell takes them; waits until its windows exist.
  explicit TStandInShell(const std::string& arguments = "");

  bool Ready() const { return ready_ != nullptr; }
  HWND Taskbar() const { return process_.FindWindowOfClass("Shell_TrayWnd"); }
  HWND StartButton() const;
  HWND IconView() const;
  HWND Decoy() const { return process_.FindWindowOfClass("Button"); }

  // The SetWindowPos calls the Start button has received since the log was cleared.
  std::vector<TLoggedCall> ButtonCalls() const;
  void ClearButtonCalls() const;
  // The Start button's rectangle in the taskbar's client area.
  RECT ButtonRect() const;

 private:
  TProgramUnderTest process_;
  HWND ready_ = nullptr;
};

// GetWindowRgn's answer for a window: ERROR (no region), NULLREGION (empty), SIMPLEREGION...
int RegionKind(HWND window);

}  // namespace test_support
