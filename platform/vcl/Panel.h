// TPanel: a plain container, here without bevel or caption.
#pragma once

#include "platform/vcl/Controls.h"

namespace vcl {

class TPanel : public TWinControl {
 public:
  TPanel(TComponent* owner, std::string name, TWinControl* parent, const TControlArgs& args);
};

}  // namespace vcl
