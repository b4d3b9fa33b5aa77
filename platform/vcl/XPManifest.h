// TXPManifest stands for the application manifest in the executable's resources, which asks for
// version 6 of the common controls; the component itself does nothing.
#pragma once

#include "platform/vcl/Classes.h"

namespace vcl {

class TXPManifest : public TComponent {
 public:
  using TComponent::TComponent;
};

}  // namespace vcl
