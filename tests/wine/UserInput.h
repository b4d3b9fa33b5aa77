// Mouse and keyboard input as the user gives it: through the system's input queue, so that the
// system decides which window receives it.
#pragma once

#include <windows.h>

namespace test_support {

enum class TButton { kLeft, kRight, kMiddle };

// Moves the pointer to a point on the screen, then handles the resulting messages.
void MoveMouseTo(POINT screen);
// Presses and releases a mouse button at a point on the screen.
void ClickAt(POINT screen, TButton button = TButton::kLeft);
// Presses the left button at one point, drags to another and releases there.
void DragFromTo(POINT from, POINT to);
// Presses and releases a key, given by its virtual-key code.
void PressKey(WORD virtualKey);

// A point of a window's client area, in screen coordinates.
POINT ClientToScreenPoint(HWND window, int x, int y);

}  // namespace test_support
