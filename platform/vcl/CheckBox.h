// TCheckBox: OnClick follows every change of the check mark, by the user or by the program.
#pragma once

#include <string>

#include "platform/vcl/Controls.h"

namespace vcl {

struct TCheckBoxArgs {
  TControlArgs control;
  std::string caption;
  bool checked = false;
};

class TCheckBox : public TWinControl {
 public:
  TCheckBox(TComponent* owner, std::string name, TWinControl* parent, const TCheckBoxArgs& args);

  bool Checked() const;
  void SetChecked(bool checked);

  TNotifyEvent OnClick;

 protected:
  std::optional<LRESULT> Notification(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace vcl
