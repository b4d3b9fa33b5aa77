// The yardstick for the start-up benchmark: the least a tray program of this shape does. A hidden
// window with one notification-area icon, three hidden top-level windows, a message loop; it
// ends on WM_CLOSE to its hidden window.
#include <windows.h>
#include <shellapi.h>

namespace {

LRESULT CALLBACK MinimalProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = MinimalProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = "MinimalTray";
  RegisterClassA(&windowClass);
  HWND main = CreateWindowExA(WS_EX_TOOLWINDOW, "MinimalTray", "Minimal", WS_POPUP, 0, 0, 0, 0,
                              nullptr, nullptr, instance, nullptr);
  for (int i = 0; i < 3; ++i) {
    CreateWindowExA(0, "MinimalTray", "Window", WS_OVERLAPPEDWINDOW, 100, 100, 300, 200, main,
                    nullptr, instance, nullptr);
  }
  NOTIFYICONDATAA icon{};
  icon.cbSize = sizeof icon;
  icon.hWnd = main;
  icon.uID = 0;
  icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  icon.uCallbackMessage = WM_USER + 211;
  icon.hIcon = LoadIconA(nullptr, MAKEINTRESOURCEA(32512));  // IDI_APPLICATION
  Shell_NotifyIconA(NIM_ADD, &icon);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  Shell_NotifyIconA(NIM_DELETE, &icon);
  return 0;
}
