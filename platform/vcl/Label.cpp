#include "platform/vcl/Label.h"

#include <windowsx.h>

namespace vcl {

TLabel::TLabel(TComponent* owner, std::string name, TWinControl* parent, const TLabelArgs& args)
    : TWinControl(owner, std::move(name), parent, args.control), cursor_(args.cursor) {
  // SS_NOTIFY: a press on the label goes to the label, not through it to the window below.
  CreateHandle({.className = "STATIC", .style = SS_LEFT | SS_NOTIFY});
  SetCaption(args.caption);
}

void TLabel::SetCaption(const std::string& caption) {
  TWinControl::SetCaption(caption);
  AutoSize();
}

void TLabel::SetFontColor(TColor color) {
  OwnFont().SetColor(color);
  InvalidateRect(Handle(), nullptr, TRUE);
}

void TLabel::AutoSize() {
  SIZE text = MeasureText(Font().Handle(), Caption());
  TBounds b = Bounds();
  SetBounds({b.left, b.top, static_cast<int>(text.cx), static_cast<int>(text.cy)});
}

void TLabel::MouseMoved() {
  if (mouseInside_) return;
  // The system tells us once when the pointer leaves, if asked each time it enters.
  TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
  TrackMouseEvent(&track);
  mouseInside_ = true;
  if (OnMouseEnter) OnMouseEnter(this);
}

void TLabel::ButtonReleased(LPARAM lParam) {
  if (!pressed_) return;
  pressed_ = false;
  if (GetCapture() == Handle()) ReleaseCapture();
  RECT client{};
  GetClientRect(Handle(), &client);
  POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  if (PtInRect(&client, at) && OnClick) OnClick(this);
}

LRESULT TLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_MOUSEMOVE:
      MouseMoved();
      break;
    case WM_MOUSELEAVE:
      if (!mouseInside_) return 0;  // told already, by the application or by the system
      mouseInside_ = false;
      if (OnMouseLeave) OnMouseLeave(this);
      return 0;
    case WM_SETCURSOR:
      // Answered here: the default would ask the window below, which sets its own pointer.
      if (cursor_ == TCursor::crHandPoint && LOWORD(lParam) == HTCLIENT) {
        SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32649)));  // IDC_HAND
        return TRUE;
      }
      break;
    case WM_LBUTTONDOWN:
      // A click is a press and a release on the label, as with a button.
      pressed_ = true;
      SetCapture(Handle());
      return 0;
    case WM_LBUTTONDBLCLK:
      return 0;
    case WM_LBUTTONUP:
      ButtonReleased(lParam);
      return 0;
    case WM_CAPTURECHANGED:
      pressed_ = false;
      break;
    default:
      break;
  }
  return TWinControl::HandleMessage(message, wParam, lParam);
}

}  // namespace vcl
