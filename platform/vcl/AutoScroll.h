// Scroll bars for a window whose controls reach beyond its client area: they appear when the
// window is made smaller than its controls and move the controls when used.
#pragma once

#include <windows.h>

#include <optional>

#include "platform/vcl/ScrollPlan.h"

namespace vcl {

class TWinControl;

class TAutoScroll {
 public:
  explicit TAutoScroll(TWinControl& control) : control_(control) {}

  // Recomputes the bars after the client area or the controls changed.
  void Update();
  // WM_HSCROLL, WM_VSCROLL and WM_MOUSEWHEEL of the window; nullopt for anything else.
  std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  TScrollAxis Horizontal() const { return plan_.horizontal; }
  TScrollAxis Vertical() const { return plan_.vertical; }

 private:
  TExtent ContentExtent() const;
  void ScrollTo(int x, int y);
  void Apply(const TScrollPlan& plan);

  TWinControl& control_;
  TScrollPlan plan_;
  bool updating_ = false;
};

}  // namespace vcl
