#include "tests/support/ShellProbe.h"

#include <shellapi.h>

#include "tests/support/Pixels.h"
#include "tests/support/ProgramUnderTest.h"

namespace test_support {

namespace {

DWORD ProcessOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

// A NOTIFYICONDATA that names an icon and changes nothing.
bool NotifyIcon(DWORD command, HWND window, UINT id) {
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof data;
  data.hWnd = window;
  data.uID = id;
  return Shell_NotifyIconA(command, &data) != FALSE;
}

}  // namespace

bool TrayIconExists(HWND window, UINT id) {
  return NotifyIcon(NIM_MODIFY, window, id);
}

bool RemoveTrayIcon(HWND window, UINT id) {
  return NotifyIcon(NIM_DELETE, window, id);
}

int NotificationAreaIconCount() {
  HWND tray = FindWindowA("Shell_TrayWnd", nullptr);
  if (tray == nullptr) return -1;
  RECT r{};
  GetWindowRect(tray, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  if (width <= 0 || height <= 0) return -1;
  TPixels pixels(width, height);
  pixels.CopyFrom(nullptr, r.left, r.top);
  // Icons sit in cells from the right end, each drawn inside a margin of the taskbar's colour.
  const COLORREF background = pixels.At(width - 1, 0);
  auto painted = [&](int x) {
    for (int y = 0; y < height; ++y) {
      if (pixels.At(x, y) != background) return true;
    }
    return false;
  };
  const int cell = GetSystemMetrics(SM_CXSMICON) + 4;
  int icons = 0, gap = 0;
  bool inIcon = false;
  for (int x = width - 1; x >= 0 && gap < cell; --x) {
    if (painted(x)) {
      if (!inIcon) ++icons;
      inIcon = true;
      gap = 0;
    } else {
      inIcon = false;
      ++gap;
    }
  }
  return icons;
}

std::vector<HWND> WindowsWithTaskbarButtonByRule(DWORD processId) {
  std::vector<HWND> found;
  for (HWND window : TopLevelWindowsOf(processId)) {
    if (!IsWindowVisible(window)) continue;
    LONG exStyle = GetWindowLongA(window, GWL_EXSTYLE);
    bool owned = GetWindow(window, GW_OWNER) != nullptr;
    if ((exStyle & WS_EX_APPWINDOW) || (!owned && !(exStyle & WS_EX_TOOLWINDOW))) {
      found.push_back(window);
    }
  }
  return found;
}

std::vector<HWND> WindowsWithWineTaskbarButton(DWORD processId) {
  std::vector<HWND> found;
  HWND tray = FindWindowA("Shell_TrayWnd", nullptr);
  for (HWND button = FindWindowExA(tray, nullptr, "Button", nullptr); button != nullptr;
       button = FindWindowExA(tray, button, "Button", nullptr)) {
    auto standsFor = reinterpret_cast<HWND>(GetWindowLongPtrA(button, GWLP_ID));
    if (IsWindowVisible(button) && standsFor != nullptr && ProcessOf(standsFor) == processId) {
      found.push_back(standsFor);
    }
  }
  return found;
}

HWND VisiblePopupMenuOf(DWORD processId) {
  return FirstVisibleOfClass(TopLevelWindowsOf(processId), "#32768");
}

bool ChooseFromTrayMenu(HWND icon, DWORD processId, int downPresses) {
  PostMessageA(icon, kTrayCallbackMessage, 0, WM_RBUTTONUP);
  HWND menu = nullptr;
  if (!WaitUntil([&] { return (menu = VisiblePopupMenuOf(processId)) != nullptr; }, 5000)) {
    return false;
  }
  for (int i = 0; i < downPresses; ++i) PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
  return WaitUntil([&] { return !IsWindowVisible(menu); });
}

std::vector<HWND> MinimizedWindowsOf(DWORD processId) {
  std::vector<HWND> found;
  for (HWND window : TopLevelWindowsOf(processId)) {
    if (IsWindowVisible(window) && IsIconic(window)) found.push_back(window);
  }
  return found;
}

}  // namespace test_support
