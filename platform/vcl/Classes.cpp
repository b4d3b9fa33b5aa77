#include "platform/vcl/Classes.h"

namespace vcl {

TComponent::TComponent(TComponent* owner, std::string name)
    : owner_(owner), name_(std::move(name)) {}

TComponent::~TComponent() {
  DestroyComponents();
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  for (TComponent* component : componentOrder_) {
    if (component->Name() == name) return component;
  }
  return nullptr;
}

void TComponent::DestroyComponents() {
  while (!owned_.empty()) {
    componentOrder_.pop_back();
    std::unique_ptr<TComponent> newest = std::move(owned_.back());
    owned_.pop_back();
    newest.reset();
  }
}

}  // namespace vcl
