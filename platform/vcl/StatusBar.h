// TStatusBar: a status bar without panels, with the size grip in its right corner.
#pragma once

#include "platform/vcl/Controls.h"

namespace vcl {

class TStatusBar : public TWinControl {
 public:
  TStatusBar(TComponent* owner, std::string name, TWinControl* parent, const TControlArgs& args);

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace vcl
