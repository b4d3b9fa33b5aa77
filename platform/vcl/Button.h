// TButton: a push button; the Cancel button is clicked by Escape, the Default one by Enter.
#pragma once

#include <string>

#include "platform/vcl/Controls.h"

namespace vcl {

struct TButtonArgs {
  TControlArgs control;
  std::string caption;
  bool cancel = false;
  bool isDefault = false;
};

class TButton : public TWinControl {
 public:
  TButton(TComponent* owner, std::string name, TWinControl* parent, const TButtonArgs& args);

  bool Cancel() const { return cancel_; }
  bool Default() const { return default_; }
  // Raises OnClick, as a click by the mouse or the keyboard does.
  void Click();
  bool DialogCommand(int command, bool focused) override;

  TNotifyEvent OnClick;

 protected:
  std::optional<LRESULT> Notification(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  bool cancel_;
  bool default_;
};

}  // namespace vcl
