#include "platform/abf/StartButtonProperties.h"

namespace abf {

HWND FindStartButton() {
  // Without a taskbar there is no Start button: a null parent would make FindWindowExA search
  // the top-level windows, any program's "Button" among them.
  HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
  if (taskbar == nullptr) return nullptr;
  return FindWindowExA(taskbar, nullptr, "Button", nullptr);
}

TabfStartButtonProperties::TabfStartButtonProperties(vcl::TComponent* owner, std::string name)
    : vcl::TComponent(owner, std::move(name)), button_(FindStartButton()) {
  WINDOWPLACEMENT placement{};
  static_assert(sizeof placement == 44);
  placement.length = sizeof placement;
  if (button_ != nullptr && GetWindowPlacement(button_, &placement)) {
    const RECT& r = placement.rcNormalPosition;
    captured_ = {r.left, r.top, r.right, r.bottom};
  }
}

void TabfStartButtonProperties::Assign(TStartButtonProperty property, int value) {
  if (button_ == nullptr) return;
  if (std::optional<TWindowPosCall> call = PlanAssignment(captured_, property, value)) {
    SetWindowPos(button_, nullptr, call->x, call->y, call->cx, call->cy,
                 SWP_NOACTIVATE | SWP_NOZORDER);
  }
}

}  // namespace abf
