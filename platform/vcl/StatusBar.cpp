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
  HWND window = GetAncestor(Handle(), GA_ROOT);
  switch (message) {
    case WM_NCHITTEST: {
      // A maximised window cannot be sized: its grip is only a picture.
      LRESULT hit = TWinControl::HandleMessage(message, wParam, lParam);
      return hit == HTBOTTOMRIGHT && IsZoomed(window) ? HTCLIENT : hit;
    }
    case WM_NCLBUTTONDOWN:
      // The grip sizes the whole window, not the panel the bar lies on: the control itself
      // would hand the press to its parent only.
      if (wParam != HTBOTTOMRIGHT) break;
      SendMessageA(window, WM_SYSCOMMAND, SC_SIZE | WMSZ_BOTTOMRIGHT, lParam);
      return 0;
    default:
      break;
  }
  return TWinControl::HandleMessage(message, wParam, lParam);
}

}  // namespace vcl
