#include "platform/vcl/Label.h"

namespace vcl {

TLabel::TLabel(TComponent* owner, std::string name, TWinControl* parent, const TLabelArgs& args)
    : TWinControl(owner, std::move(name), parent, args.control) {
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

std::optional<LRESULT> TLabel::Notification(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HIWORD(wParam) == STN_CLICKED) {
    if (OnClick) OnClick(this);
    return 0;
  }
  return TWinControl::Notification(message, wParam, lParam);
}

}  // namespace vcl
