// TabfShutdown: ends the Windows session (log off, shut down, power off, reboot) or suspends or
// hibernates the computer. Without Force, running applications are asked whether the session
// may end.
#pragma once

#include <functional>
#include <string>

#include "platform/vcl/Classes.h"

namespace abf {

enum class TabfShutdownActionType {
  aatPowerOff = 0,
  aatShutdown = 1,
  aatReboot = 2,
  aatLogOff = 3,
  aatSuspend = 4,
  aatHibernate = 5,
};

// Asked before the session end; a false CanShutdown stops it.
using TabfQueryShutdownEvent = std::function<void(vcl::TObject* sender, bool& canShutdown)>;

class TabfShutdown : public vcl::TComponent {
 public:
  TabfShutdown(vcl::TComponent* owner, std::string name);

  TabfShutdownActionType ActionType() const { return actionType_; }
  void SetActionType(TabfShutdownActionType actionType) { actionType_ = actionType; }
  bool Force() const { return force_; }
  void SetForce(bool force) { force_ = force; }

  TabfQueryShutdownEvent OnQueryShutdown;

  // On the NT family, enables the shutdown privilege of this process first; then asks
  // OnQueryShutdown; then makes the Windows call for ActionType. True when that call succeeded.
  bool Execute();

 private:
  TabfShutdownActionType actionType_ = TabfShutdownActionType::aatPowerOff;
  bool force_ = false;
};

}  // namespace abf
