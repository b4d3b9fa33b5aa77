#include "tests/wine/UserInput.h"

#include "tests/wine/InProcess.h"

namespace test_support {

namespace {

void Send(INPUT input) {
  SendInput(1, &input, sizeof input);
  PumpFor(50);
}

INPUT MouseInput(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return input;
}

}  // namespace

void MoveMouseTo(POINT screen) {
  SetCursorPos(screen.x, screen.y);
  PumpFor(50);
  // The move itself, so that the window below gets WM_MOUSEMOVE even if the pointer was there.
  Send(MouseInput(MOUSEEVENTF_MOVE));
}

void ClickAt(POINT screen, TButton button) {
  MoveMouseTo(screen);
  DWORD down = button == TButton::kLeft    ? MOUSEEVENTF_LEFTDOWN
               : button == TButton::kRight ? MOUSEEVENTF_RIGHTDOWN
                                           : MOUSEEVENTF_MIDDLEDOWN;
  Send(MouseInput(down));
  Send(MouseInput(down << 1));  // the matching release
}

void DragFromTo(POINT from, POINT to) {
  MoveMouseTo(from);
  Send(MouseInput(MOUSEEVENTF_LEFTDOWN));
  MoveMouseTo(to);
  Send(MouseInput(MOUSEEVENTF_LEFTUP));
}

void PressKey(WORD virtualKey) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
  Send(input);
  input.ki.dwFlags = KEYEVENTF_KEYUP;
  Send(input);
}

POINT ClientToScreenPoint(HWND window, int x, int y) {
  POINT p{x, y};
  ClientToScreen(window, &p);
  return p;
}

}  // namespace test_support
