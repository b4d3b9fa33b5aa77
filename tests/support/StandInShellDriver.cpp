#include "tests/support/StandInShellDriver.h"

#include <cstdlib>

#include "platform/vcl/Handles.h"

namespace test_support {

namespace {

std::string StandInShellExe() {
  const char* path = std::getenv("CALVORIN_STAND_IN_SHELL");
  return path != nullptr ? WindowsPath(path) : std::string("stand_in_shell.exe");
}

}  // namespace

TStandInShell::TStandInShell(const std::string& arguments)
    : process_(StandInShellExe(), arguments), ready_(process_.WaitForWindow("StandInShellReady")) {}

HWND TStandInShell::StartButton() const {
  HWND taskbar = Taskbar();
  return taskbar != nullptr ? FindWindowExA(taskbar, nullptr, "Button", nullptr) : nullptr;
}

HWND TStandInShell::IconView() const {
  HWND desktop = process_.FindWindowOfClass("Progman");
  return desktop != nullptr ? GetWindow(GetWindow(desktop, GW_CHILD), GW_CHILD) : nullptr;
}

std::vector<TLoggedCall> TStandInShell::ButtonCalls() const {
  HWND button = StartButton();
  std::vector<TLoggedCall> calls;
  auto count = static_cast<WPARAM>(SendMessageA(button, kStandInCallCount, 0, 0));
  for (WPARAM i = 0; i < count; ++i) {
    calls.push_back(UnpackCall(SendMessageA(button, kStandInCall, i, 0)));
  }
  return calls;
}

void TStandInShell::ClearButtonCalls() const {
  SendMessageA(StartButton(), kStandInClearCalls, 0, 0);
}

RECT TStandInShell::ButtonRect() const {
  RECT r{};
  GetWindowRect(StartButton(), &r);
  MapWindowPoints(HWND_DESKTOP, Taskbar(), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

int RegionKind(HWND window) {
  vcl::TUniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  return GetWindowRgn(window, region.get());
}

}  // namespace test_support
