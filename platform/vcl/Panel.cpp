#include "platform/vcl/Panel.h"

namespace vcl {

TPanel::TPanel(TComponent* owner, std::string name, TWinControl* parent, const TControlArgs& args)
    : TWinControl(owner, std::move(name), parent, args) {
  CreateHandle({.className = RegisterClassOnce("TPanel"),
                .style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS,
                .exStyle = WS_EX_CONTROLPARENT,
                .systemClass = false});
}

}  // namespace vcl
