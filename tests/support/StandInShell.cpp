// stand_in_shell [--taskbar=button|childless|none] [--progman=yes|no] [--button=L,T,W,H] [--decoy]
//
// Windows of the shell's kinds for the tests to act on: a topmost "Shell_TrayWnd" with a "Button"
// child as Start button, and a "Progman" with a child with a child as desktop icon view. With
// --decoy, also a top-level window of class "Button" that belongs to no taskbar. The Start button
// logs every SetWindowPos it receives; the test reads the log through the messages below. A hidden
// "StandInShellReady" window appears once everything exists.
//
// The taskbar lies at the screen's top left, so that the Start button's placement reads the same
// in the taskbar's coordinates and in the screen's: Wine gives another process's child window's
// placement in screen coordinates, its own process's in its parent's.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "tests/support/StandInShellProtocol.h"

namespace {

std::vector<WINDOWPOS> calls;
WNDPROC buttonProcedure = nullptr;

LRESULT CALLBACK StartButtonProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  using namespace test_support;
  switch (message) {
    case WM_WINDOWPOSCHANGING: {
      // A new window region arrives as a frame change; only moves and sizes are logged.
      const auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
      if (!(pos->flags & SWP_FRAMECHANGED)) calls.push_back(*pos);
      break;
    }
    case kStandInCallCount:
      return static_cast<LRESULT>(calls.size());
    case kStandInCall:
      if (wParam >= calls.size()) return 0;
      return PackCall(calls[wParam].x, calls[wParam].y, calls[wParam].cx, calls[wParam].cy);
    case kStandInClearCalls:
      calls.clear();
      return 0;
    default:
      break;
  }
  return CallWindowProcA(buttonProcedure, window, message, wParam, lParam);
}

LRESULT CALLBACK ShellProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void Register(const char* className) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = ShellProcedure;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = className;
  RegisterClassA(&windowClass);
}

HWND Create(const char* className, DWORD exStyle, DWORD style, RECT r, HWND parent,
            const char* text = "") {
  return CreateWindowExA(exStyle, className, text, style, r.left, r.top, r.right, r.bottom, parent,
                         nullptr, GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  std::string taskbar = "button";
  bool progman = true;
  bool decoy = false;
  RECT button{0, 0, 48, 21};  // left, top, width, height
  for (int i = 1; i < argc; ++i) {
    const char* arg = argv[i];
    if (std::strncmp(arg, "--taskbar=", 10) == 0) taskbar = arg + 10;
    if (std::strcmp(arg, "--progman=no") == 0) progman = false;
    if (std::strcmp(arg, "--decoy") == 0) decoy = true;
    if (std::strncmp(arg, "--button=", 9) == 0) {
      std::sscanf(arg + 9, "%ld,%ld,%ld,%ld", &button.left, &button.top, &button.right,
                  &button.bottom);
    }
  }

  for (const char* name :
       {"Shell_TrayWnd", "Progman", "SHELLDLL_DefView", "StandInIconView", "StandInShellReady"}) {
    Register(name);
  }
  int screenWidth = GetSystemMetrics(SM_CXSCREEN);
  if (taskbar != "none") {
    HWND tray = Create("Shell_TrayWnd", WS_EX_TOPMOST | WS_EX_TOOLWINDOW, WS_POPUP | WS_VISIBLE,
                       {0, 0, screenWidth, 30}, nullptr);
    if (taskbar == "button") {
      HWND start =
          Create("Button", 0, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, button, tray, "start");
      buttonProcedure = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrA(start, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(StartButtonProcedure)));
    }
  }
  if (progman) {
    HWND desktop =
        Create("Progman", WS_EX_TOOLWINDOW, WS_POPUP | WS_VISIBLE, {0, 0, 8, 8}, nullptr);
    SetWindowPos(desktop, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    HWND view = Create("SHELLDLL_DefView", 0, WS_CHILD | WS_VISIBLE, {0, 0, 8, 8}, desktop);
    Create("StandInIconView", 0, WS_CHILD | WS_VISIBLE, {0, 0, 8, 8}, view);
  }
  if (decoy) {
    Create("Button", WS_EX_TOOLWINDOW, WS_POPUP | WS_VISIBLE | BS_PUSHBUTTON, {0, 0, 60, 20},
           nullptr, "decoy");
  }
  Create("StandInShellReady", 0, WS_POPUP, {0, 0, 0, 0}, nullptr);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
