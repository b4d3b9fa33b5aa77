// TLabel: static text that sizes itself to its caption and takes the mouse, not the focus.
#pragma once

#include <string>

#include "platform/vcl/Controls.h"

namespace vcl {

struct TLabelArgs {
  TControlArgs control;
  std::string caption;
};

class TLabel : public TWinControl {
 public:
  TLabel(TComponent* owner, std::string name, TWinControl* parent, const TLabelArgs& args);

  void SetCaption(const std::string& caption);
  // Redraws the text after its font colour changed.
  void SetFontColor(TColor color);

  TNotifyEvent OnClick;

 protected:
  std::optional<LRESULT> Notification(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void AutoSize();
};

}  // namespace vcl
