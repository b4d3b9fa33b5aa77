// TabfAutoRun: starts the program with Windows through a value under a Run key.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/vcl/Classes.h"
#include "platform/vcl/Registry.h"

namespace abf {

enum class TabfAutoExecKind { aekMachineRun, aekMachineRunOnce, aekUserRun, aekUserRunOnce };

// Makes the registry object for each operation.
using TRegistryFactory = std::function<std::unique_ptr<vcl::TRegistry>()>;

// Every operation is silent: a registry that refuses leaves the program running without the
// value. Nothing is undone at destruction: the value outlives the program.
class TabfAutoRun : public vcl::TComponent {
 public:
  // FileName is the running executable's full path.
  TabfAutoRun(vcl::TComponent* owner, std::string name);

  bool AutoRun() const { return autoRun_; }
  TabfAutoExecKind Kind() const { return kind_; }
  const std::string& FileName() const { return fileName_; }
  // Each takes the value away from where it was, then applies the new setting.
  void SetAutoRun(bool autoRun);
  void SetKind(TabfAutoExecKind kind);
  void SetFileName(std::string fileName);

  // Removes the value, then writes it afresh if AutoRun is on.
  void Apply();
  // Deletes the value if the key opens and holds it.
  void Remove();

  // Loading completes: applies once more.
  void Loaded() override;

  // The registry objects the component uses; a null factory means vcl::TRegistry. Returns the
  // factory it replaces.
  static TRegistryFactory SetRegistryFactory(TRegistryFactory factory);

 private:
  template <class Change>
  void Reapply(Change change);
  void Write();

  bool autoRun_ = false;
  TabfAutoExecKind kind_ = TabfAutoExecKind::aekMachineRun;
  std::string fileName_;
};

}  // namespace abf
