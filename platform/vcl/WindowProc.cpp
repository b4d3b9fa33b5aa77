#include "platform/vcl/WindowProc.h"

#include <set>
#include <string>

namespace vcl {

TWindowTarget* TWindowTarget::FromHandle(HWND window) {
  if (window == nullptr) return nullptr;
  // Only windows whose procedure is ours carry our object in their user data.
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)) != WindowProcedure) {
    return nullptr;
  }
  return reinterpret_cast<TWindowTarget*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT TWindowTarget::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (previous_ != nullptr) return CallWindowProcA(previous_, window_, message, wParam, lParam);
  return DefWindowProcA(window_, message, wParam, lParam);
}

void TWindowTarget::Subclass(HWND window) {
  window_ = window;
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  previous_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(WindowProcedure)));
}

const char* TWindowTarget::RegisterClassOnce(const char* className, UINT classStyle, HICON icon) {
  static std::set<std::string> registered;
  if (registered.insert(className).second) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = classStyle;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hIcon = icon;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    windowClass.lpszClassName = className;
    RegisterClassExA(&windowClass);
  }
  return className;
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    auto* target = static_cast<TWindowTarget*>(create->lpCreateParams);
    if (target != nullptr) {
      target->window_ = window;
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(target));
    }
  }
  auto* target = reinterpret_cast<TWindowTarget*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (target == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    LRESULT result = target->HandleMessage(message, wParam, lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    if (target->previous_ != nullptr) {
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(target->previous_));
    }
    target->window_ = nullptr;
    target->previous_ = nullptr;
    target->HandleDestroyed();
    return result;
  }
  return target->HandleMessage(message, wParam, lParam);
}

}  // namespace vcl
