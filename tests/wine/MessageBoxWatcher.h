// Message boxes of the program, seen from a thread of the test: what each one showed, and its OK
// button pressed, so that a modal box cannot hang a test that runs the program in its process.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "options/Unit1.h"
#include "platform/vcl/SysUtils.h"
#include "tests/support/WindowQueries.h"

namespace test_support {

// What a message box looked like when it appeared.
struct TMessageBoxSeen {
  std::wstring caption;
  std::wstring text;
  int buttons = 0;
  bool optionsVisible = false;
  bool optionsEnabled = false;
  HWND owner = nullptr;
  bool foreground = false;  // became active while open, so that Enter presses OK
  vcl::TDateTime at = 0;
};

// Watches the user-interface thread for message boxes from another thread, records each one and
// presses its OK button after `closeAfterMs` (never, if negative: the test closes it).
class TMessageBoxWatcher {
 public:
  explicit TMessageBoxWatcher(int closeAfterMs = 0, int rescueAfterMs = 15000)
      : uiThread_(GetCurrentThreadId()),
        thread_([=, this] { Watch(closeAfterMs, rescueAfterMs); }) {}
  ~TMessageBoxWatcher() {
    stop_ = true;
    thread_.join();
  }
  std::vector<TMessageBoxSeen> Seen() {
    std::lock_guard<std::mutex> lock(mutex_);
    return seen_;
  }

 private:
  HWND OpenBox() const { return FirstVisibleOfClass(TopLevelWindowsOfThread(uiThread_), "#32770"); }

  static TMessageBoxSeen Describe(HWND box) {
    TMessageBoxSeen seen;
    seen.at = vcl::Now();
    seen.optionsVisible = IsWindowVisible(Form1->Handle()) != FALSE;
    seen.optionsEnabled = IsWindowEnabled(Form1->Handle()) != FALSE;
    seen.owner = GetWindow(box, GW_OWNER);
    seen.foreground = GetForegroundWindow() == box;
    seen.caption = WideTextOf(box);
    seen.text = MessageBoxText(box);
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
      if (_stricmp(ClassNameOf(child).c_str(), "Button") == 0 && IsWindowVisible(child)) {
        ++seen.buttons;
      }
    }
    return seen;
  }

  void Watch(int closeAfterMs, int rescueAfterMs) {
    HWND last = nullptr;
    DWORD openedAt = 0;
    const DWORD start = GetTickCount();
    while (!stop_) {
      HWND box = OpenBox();
      if (box != nullptr && box != last) {
        TMessageBoxSeen seen = Describe(box);
        std::lock_guard<std::mutex> lock(mutex_);
        seen_.push_back(seen);
        last = box;
        openedAt = GetTickCount();
      }
      // A box may be seen a moment before it is activated.
      if (box != nullptr && GetForegroundWindow() == box) {
        std::lock_guard<std::mutex> lock(mutex_);
        seen_.back().foreground = true;
      }
      bool due =
          box != nullptr && closeAfterMs >= 0 && GetTickCount() - openedAt >= DWORD(closeAfterMs);
      bool rescue = box != nullptr && GetTickCount() - start >= DWORD(rescueAfterMs);
      if (due || rescue) PostMessageA(box, WM_COMMAND, IDOK, 0);
      Sleep(20);
    }
  }

  DWORD uiThread_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<TMessageBoxSeen> seen_;
  std::thread thread_;
};

}  // namespace test_support
