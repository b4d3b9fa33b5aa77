// One window procedure for every window of the layer. The object behind a window is kept in
// GWLP_USERDATA: set at WM_NCCREATE from lpCreateParams for our own classes, or right after
// creation for a system control that we subclass; cleared at WM_NCDESTROY.
#pragma once

#include <windows.h>

namespace vcl {

class TWindowTarget {
 public:
  virtual ~TWindowTarget() = default;

  // The object attached to a window of ours, or null.
  static TWindowTarget* FromHandle(HWND window);

 protected:
  // Everything that reaches the window. DefaultProc() passes a message on.
  virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

  HWND WindowHandle() const { return window_; }
  // Called after the window is gone (WM_NCDESTROY has been handled).
  virtual void HandleDestroyed() {}

  // Routes an existing system control (BUTTON, STATIC, ...) through the common procedure.
  void Subclass(HWND window);

  // Registers a window class of ours once per process; returns its name.
  static const char* RegisterClassOnce(const char* className, UINT classStyle = 0,
                                       HICON icon = nullptr);

 private:
  friend LRESULT CALLBACK WindowProcedure(HWND, UINT, WPARAM, LPARAM);
  HWND window_ = nullptr;
  WNDPROC previous_ = nullptr;
};

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace vcl
