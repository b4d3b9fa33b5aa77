#include "platform/abf/AutoRun.h"

#include <windows.h>

#include "platform/abf/AutoRunValue.h"
#include "platform/vcl/SysUtils.h"

namespace abf {

namespace {

TRegistryFactory& Factory() {
  static TRegistryFactory factory;
  return factory;
}

std::unique_ptr<vcl::TRegistry> NewRegistry(TabfAutoExecKind kind) {
  std::unique_ptr<vcl::TRegistry> registry =
      Factory() ? Factory()() : std::make_unique<vcl::TRegistry>();
  bool machine =
      kind == TabfAutoExecKind::aekMachineRun || kind == TabfAutoExecKind::aekMachineRunOnce;
  registry->SetRootKey(machine ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER);
  registry->SetAccess(KEY_ALL_ACCESS);
  return registry;
}

std::string KeyOf(TabfAutoExecKind kind) {
  bool once =
      kind == TabfAutoExecKind::aekMachineRunOnce || kind == TabfAutoExecKind::aekUserRunOnce;
  return std::string("Software\\Microsoft\\Windows\\CurrentVersion\\") + (once ? "RunOnce" : "Run");
}

}  // namespace

TabfAutoRun::TabfAutoRun(vcl::TComponent* owner, std::string name)
    : TComponent(owner, std::move(name)), fileName_(vcl::GetModuleName(nullptr)) {}

TRegistryFactory TabfAutoRun::SetRegistryFactory(TRegistryFactory factory) {
  TRegistryFactory previous = std::move(Factory());
  Factory() = std::move(factory);
  return previous;
}

template <class Change>
void TabfAutoRun::Reapply(Change change) {
  Remove();
  change();
  Apply();
}

void TabfAutoRun::SetAutoRun(bool autoRun) {
  Reapply([&] { autoRun_ = autoRun; });
}

void TabfAutoRun::SetKind(TabfAutoExecKind kind) {
  Reapply([&] { kind_ = kind; });
}

void TabfAutoRun::SetFileName(std::string fileName) {
  Reapply([&] { fileName_ = std::move(fileName); });
}

void TabfAutoRun::Loaded() {
  TComponent::Loaded();
  Apply();
}

void TabfAutoRun::Remove() {
  // Whatever goes wrong, start-up goes on: nothing is reported.
  try {
    std::unique_ptr<vcl::TRegistry> registry = NewRegistry(kind_);
    std::string name = RunValueName(fileName_);
    if (registry->OpenKey(KeyOf(kind_), false) && registry->ValueExists(name)) {
      registry->DeleteValue(name);
    }
  } catch (...) {
  }
}

void TabfAutoRun::Apply() {
  Remove();
  if (!autoRun_) return;
  // A refused write, whatever its cause, leaves the program running without the value.
  try {
    Write();
  } catch (...) {
  }
}

void TabfAutoRun::Write() {
  std::unique_ptr<vcl::TRegistry> registry = NewRegistry(kind_);
  if (!registry->OpenKey(KeyOf(kind_), true)) return;
  TRunValue value = RunValueFor(fileName_);
  if (value.type == TRunValueType::ExpandString) {
    registry->WriteExpandString(value.name, value.data);
  } else {
    registry->WriteString(value.name, value.data);
  }
}

}  // namespace abf
