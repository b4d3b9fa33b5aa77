// A hidden window that only receives messages: the application window, the tray icon's window,
// a menu's command window, a clock's timer window.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>

#include "platform/vcl/WindowProc.h"

namespace vcl {

class TMessageWindow : public TWindowTarget {
 public:
  // Returns a result for messages it handles; nullopt passes the message to the default.
  using THandler = std::function<std::optional<LRESULT>(UINT, WPARAM, LPARAM)>;

  struct TArgs {
    const char* className;
    const char* caption = "";
    DWORD style = WS_POPUP;
    DWORD exStyle = 0;
    RECT bounds = {0, 0, 0, 0};
  };

  TMessageWindow(const TArgs& args, THandler handler);
  ~TMessageWindow() override;

  HWND Handle() const { return WindowHandle(); }
  // Passes a message on as if the handler had not looked at it.
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultProc(message, wParam, lParam);
  }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  THandler handler_;
};

}  // namespace vcl
