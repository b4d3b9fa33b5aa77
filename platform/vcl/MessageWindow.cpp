#include "platform/vcl/MessageWindow.h"

namespace vcl {

TMessageWindow::TMessageWindow(const TArgs& args, THandler handler) : handler_(std::move(handler)) {
  CreateWindowExA(args.exStyle, RegisterClassOnce(args.className), args.caption, args.style,
                  args.bounds.left, args.bounds.top, args.bounds.right - args.bounds.left,
                  args.bounds.bottom - args.bounds.top, nullptr, nullptr, GetModuleHandleA(nullptr),
                  static_cast<TWindowTarget*>(this));
}

TMessageWindow::~TMessageWindow() {
  if (Handle() != nullptr) DestroyWindow(Handle());
}

LRESULT TMessageWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (handler_) {
    if (std::optional<LRESULT> result = handler_(message, wParam, lParam)) return *result;
  }
  return DefaultProc(message, wParam, lParam);
}

}  // namespace vcl
