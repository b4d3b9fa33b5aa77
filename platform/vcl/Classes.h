// The root of the layer: objects, components with an owner, and event types.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vcl {

class TObject {
 public:
  virtual ~TObject() = default;
  TObject() = default;
  TObject(const TObject&) = delete;
  TObject& operator=(const TObject&) = delete;
};

using TNotifyEvent = std::function<void(TObject* sender)>;

// Holds a flag up for as long as it lives: marks a call in progress, so that what the call
// itself sets off can see it.
class TFlagScope {
 public:
  explicit TFlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~TFlagScope() { flag_ = false; }
  TFlagScope(const TFlagScope&) = delete;
  TFlagScope& operator=(const TFlagScope&) = delete;

 private:
  bool& flag_;
};

// Binds a form's handler so that a component can raise it as an event.
template <class Form>
TNotifyEvent Handler(Form& form, void (Form::*handler)(TObject*)) {
  return [&form, handler](TObject* sender) { (form.*handler)(sender); };
}

// A component has a name and an owner; the owner destroys what it owns, newest first.
class TComponent : public TObject {
 public:
  TComponent(TComponent* owner, std::string name);
  ~TComponent() override;

  const std::string& Name() const { return name_; }
  TComponent* Owner() const { return owner_; }
  const std::vector<TComponent*>& Components() const { return componentOrder_; }
  TComponent* FindComponent(const std::string& name) const;

  // The owner keeps the component alive until it destroys its components.
  template <class C>
  C* Insert(std::unique_ptr<C> component) {
    C* raw = component.get();
    componentOrder_.push_back(raw);
    owned_.push_back(std::move(component));
    return raw;
  }

  // Called once every component of the stored layout has been read, in creation order.
  virtual void Loaded() {}
  bool Loading() const { return loading_; }
  void SetLoading(bool loading) { loading_ = loading; }

 protected:
  // Destroys the owned components in the reverse order of their creation.
  void DestroyComponents();

 private:
  TComponent* owner_;
  std::string name_;
  bool loading_ = false;
  std::vector<TComponent*> componentOrder_;
  std::vector<std::unique_ptr<TComponent>> owned_;
};

}  // namespace vcl
