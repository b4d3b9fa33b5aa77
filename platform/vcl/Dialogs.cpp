#include "platform/vcl/Dialogs.h"

#include <windows.h>

#include <string>
#include <vector>

#include "platform/vcl/Application.h"

namespace vcl {

namespace {

// The program's visible windows are disabled while the box is open and enabled again after, as
// a task-modal box does; the box itself is owned by the application window.
class TTaskWindowsDisabled {
 public:
  TTaskWindowsDisabled() {
    EnumThreadWindows(GetCurrentThreadId(), &Collect, reinterpret_cast<LPARAM>(&disabled_));
    for (HWND window : disabled_) EnableWindow(window, FALSE);
  }
  ~TTaskWindowsDisabled() {
    for (HWND window : disabled_) {
      if (IsWindow(window)) EnableWindow(window, TRUE);
    }
  }
  TTaskWindowsDisabled(const TTaskWindowsDisabled&) = delete;
  TTaskWindowsDisabled& operator=(const TTaskWindowsDisabled&) = delete;

 private:
  // A named CALLBACK: the 32-bit build has no conversion from a lambda to a stdcall function.
  static BOOL CALLBACK Collect(HWND window, LPARAM context) {
    if (IsWindowVisible(window) && IsWindowEnabled(window)) {
      reinterpret_cast<std::vector<HWND>*>(context)->push_back(window);
    }
    return TRUE;
  }

  std::vector<HWND> disabled_;
};

}  // namespace

void ShowInformation(std::wstring_view text) {
  std::wstring message(text);
  // Owned by the hidden tool window of the application, the box gets no taskbar button; that
  // window sits at the centre of the screen, and so does the box. Top-most, to stand above the
  // program's top-most windows.
  HWND owner = Application != nullptr ? Application->Handle() : nullptr;
  TTaskWindowsDisabled modal;
  MessageBoxW(owner, message.c_str(), L"Information",
              MB_OK | MB_ICONINFORMATION | (owner != nullptr ? MB_APPLMODAL : MB_TASKMODAL) |
                  MB_TOPMOST | MB_SETFOREGROUND);
}

}  // namespace vcl
