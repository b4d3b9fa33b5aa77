#include "platform/vcl/CheckBox.h"

namespace vcl {

TCheckBox::TCheckBox(TComponent* owner, std::string name, TWinControl* parent,
                     const TCheckBoxArgs& args)
    : TWinControl(owner, std::move(name), parent, args.control) {
  CreateHandle({.className = "BUTTON", .style = BS_AUTOCHECKBOX});
  SetCaption(args.caption);
  if (args.checked) SendMessageA(Handle(), BM_SETCHECK, BST_CHECKED, 0);
}

bool TCheckBox::Checked() const {
  return SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TCheckBox::SetChecked(bool checked) {
  if (checked == Checked()) return;
  SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
  if (OnClick) OnClick(this);
}

std::optional<LRESULT> TCheckBox::Notification(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    if (OnClick) OnClick(this);
    return 0;
  }
  return TWinControl::Notification(message, wParam, lParam);
}

}  // namespace vcl
