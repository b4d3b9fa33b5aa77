#include "platform/vcl/StatusBar.h"

#include <commctrl.h>

namespace vcl {

TStatusBar::TStatusBar(TComponent* owner, std::string name, TWinControl* parent,
                       const TControlArgs& args)
    : TWinControl(owner, std::move(name), parent, args) {
  // The layer places the bar (alBottom) and keeps its height; the control must not move itself.
  CreateHandle({.className = STATUSCLASSNAMEA,
                .style = SBARS_SIZEGRIP | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER});
  // A status bar has a place in the tab order but never takes the focus.
  SetWindowLongA(Handle(), GWL_STYLE, GetWindowLongA(Handle(), GWL_STYLE) & ~WS_TABSTOP);
}

LRESULT TStatusBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // The grip sizes the whole window, not the panel the bar lies on: the control itself hands
  // the press to its parent only.
  if (message == WM_NCLBUTTONDOWN && wParam == HTBOTTOMRIGHT) {
    HWND window = GetAncestor(Handle(), GA_ROOT);
    if (!IsZoomed(window)) {
      SendMessageA(window, WM_SYSCOMMAND, SC_SIZE | WMSZ_BOTTOMRIGHT, lParam);
    }
    return 0;
  }
  return TWinControl::HandleMessage(message, wParam, lParam);
}

}  // namespace vcl
