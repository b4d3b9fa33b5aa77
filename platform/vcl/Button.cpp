#include "platform/vcl/Button.h"

namespace vcl {

TButton::TButton(TComponent* owner, std::string name, TWinControl* parent, const TButtonArgs& args)
    : TWinControl(owner, std::move(name), parent, args.control),
      cancel_(args.cancel),
      default_(args.isDefault) {
  CreateHandle({.className = "BUTTON",
                .style = static_cast<DWORD>(args.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON)});
  SetCaption(args.caption);
}

void TButton::Click() {
  if (OnClick) OnClick(this);
}

bool TButton::DialogCommand(int command, bool focused) {
  bool mine = (command == IDCANCEL && cancel_) || (command == IDOK && (focused || default_));
  if (mine) Click();
  return mine;
}

std::optional<LRESULT> TButton::Notification(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    Click();
    return 0;
  }
  return TWinControl::Notification(message, wParam, lParam);
}

}  // namespace vcl
