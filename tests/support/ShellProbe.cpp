#include "tests/support/ShellProbe.h"

#include <shellapi.h>

#include "tests/support/ProgramUnderTest.h"

namespace test_support {

namespace {

DWORD ProcessOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

// The taskbar's pixels, top row first.
std::vector<COLORREF> CaptureWindow(HWND window, int& width, int& height) {
  RECT r{};
  GetWindowRect(window, &r);
  width = r.right - r.left;
  height = r.bottom - r.top;
  std::vector<COLORREF> pixels;
  if (width <= 0 || height <= 0) return pixels;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap != nullptr) {
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    const auto* data = static_cast<const DWORD*>(bits);
    pixels.assign(data, data + static_cast<size_t>(width) * height);
    for (COLORREF& p : pixels) p &= 0xFFFFFF;
    SelectObject(memory, previous);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

}  // namespace

bool TrayIconExists(HWND window, UINT id) {
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof data;
  data.hWnd = window;
  data.uID = id;
  return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

bool RemoveTrayIcon(HWND window, UINT id) {
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof data;
  data.hWnd = window;
  data.uID = id;
  return Shell_NotifyIconA(NIM_DELETE, &data) != FALSE;
}

int NotificationAreaIconCount() {
  HWND tray = FindWindowA("Shell_TrayWnd", nullptr);
  if (tray == nullptr) return -1;
  int width = 0, height = 0;
  std::vector<COLORREF> pixels = CaptureWindow(tray, width, height);
  if (pixels.empty()) return -1;
  // Icons sit in cells from the right end, each drawn inside a margin of the taskbar's colour.
  const COLORREF background = pixels[width - 1];
  auto painted = [&](int x) {
    for (int y = 0; y < height; ++y) {
      if (pixels[static_cast<size_t>(y) * width + x] != background) return true;
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
  for (HWND window : TopLevelWindowsOf(processId)) {
    if (ClassNameOf(window) == "#32768" && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

std::vector<HWND> MinimizedWindowsOf(DWORD processId) {
  std::vector<HWND> found;
  for (HWND window : TopLevelWindowsOf(processId)) {
    if (IsWindowVisible(window) && IsIconic(window)) found.push_back(window);
  }
  return found;
}

}  // namespace test_support
