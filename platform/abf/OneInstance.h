// TabfOneInstance: one running copy of the program per logon session. A later start brings the
// running copy forward and ends.
#pragma once

#include <string>

#include "platform/vcl/Classes.h"

namespace abf {

class TabfOneInstance : public vcl::TComponent {
 public:
  using TComponent::TComponent;

  bool ActivatePrevInstance() const { return activatePrevInstance_; }
  void SetActivatePrevInstance(bool activate) { activatePrevInstance_ = activate; }
  bool ExeNameAsIdentifier() const { return exeNameAsIdentifier_; }
  void SetExeNameAsIdentifier(bool exeName) { exeNameAsIdentifier_ = exeName; }
  const std::string& Identifier() const { return identifier_; }
  void SetIdentifier(std::string identifier) { identifier_ = std::move(identifier); }
  bool ShowMessage() const { return showMessage_; }
  void SetShowMessage(bool show) { showMessage_ = show; }

  // Loading completes: the check. Another copy found, the main form is not shown, the other
  // copy is brought forward and the application terminates.
  void Loaded() override;
  // Whether the check found another copy.
  bool PrevInstanceFound() const { return prevInstanceFound_; }

 private:
  bool activatePrevInstance_ = true;
  bool exeNameAsIdentifier_ = false;
  std::string identifier_;
  bool showMessage_ = false;
  bool prevInstanceFound_ = false;
};

// The running copy owns its mutex through the user-interface thread beyond the component's
// life: the program releases and closes it as the very last step of its teardown.
void ReleaseInstanceMutex();

}  // namespace abf
