#include "tests/support/WindowQueries.h"

#include <cstring>

namespace test_support {

namespace {

BOOL CALLBACK Collect(HWND window, LPARAM found) {
  reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
  return TRUE;
}

}  // namespace

std::vector<HWND> TopLevelWindowsOf(DWORD processId) {
  std::vector<HWND> all, found;
  EnumWindows(&Collect, reinterpret_cast<LPARAM>(&all));
  for (HWND window : all) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId) found.push_back(window);
  }
  return found;
}

std::vector<HWND> TopLevelWindowsOfThread(DWORD threadId) {
  std::vector<HWND> found;
  EnumThreadWindows(threadId, &Collect, reinterpret_cast<LPARAM>(&found));
  return found;
}

HWND FirstVisibleOfClass(const std::vector<HWND>& windows, const char* className) {
  for (HWND window : windows) {
    if (ClassNameOf(window) == className && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

HWND FindDescendant(HWND parent, const char* className, const char* text) {
  std::vector<HWND> descendants;
  EnumChildWindows(parent, &Collect, reinterpret_cast<LPARAM>(&descendants));
  for (HWND window : descendants) {
    if (_stricmp(ClassNameOf(window).c_str(), className) != 0) continue;
    if (text != nullptr && TextOf(window) != text) continue;
    return window;
  }
  return nullptr;
}

std::string ClassNameOf(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string TextOf(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

std::wstring WideTextOf(HWND window) {
  wchar_t text[512] = {};
  SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
  return text;
}

std::wstring MessageBoxText(HWND box) {
  std::wstring text;
  for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    if (_stricmp(ClassNameOf(child).c_str(), "Static") != 0) continue;
    std::wstring line = WideTextOf(child);
    if (!line.empty()) text = line;
  }
  return text;
}

bool IsAbove(HWND upper, HWND lower) {
  for (HWND window = GetWindow(upper, GW_HWNDNEXT); window != nullptr;
       window = GetWindow(window, GW_HWNDNEXT)) {
    if (window == lower) return true;
  }
  return false;
}

POINT CentreOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

}  // namespace test_support
