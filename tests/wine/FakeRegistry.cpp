#include "tests/wine/FakeRegistry.h"

#include <new>

namespace test_support {

namespace {

std::string RootName(HKEY root) {
  if (root == HKEY_LOCAL_MACHINE) return "HKLM";
  if (root == HKEY_CURRENT_USER) return "HKCU";
  return "other root";
}

}  // namespace

bool TFakeRegistry::OpenKey(const std::string& key, bool canCreate) {
  std::string access = Access() == KEY_ALL_ACCESS ? "full access" : "limited access";
  state_.log.push_back((canCreate ? "create " : "open ") + RootName(RootKey()) + "\\" + key +
                       " with " + access);
  if (state_.refusal == TRefusal::OtherError) throw std::bad_alloc();
  if (state_.refusal == TRefusal::OpenKey) return false;
  auto found = state_.keys.find({RootKey(), key});
  if (found == state_.keys.end()) {
    if (!canCreate) return false;
    found =
        state_.keys.emplace(std::pair{RootKey(), key}, std::map<std::string, TStoredValue>{}).first;
  }
  open_ = &found->second;
  return true;
}

bool TFakeRegistry::ValueExists(const std::string& name) {
  state_.log.push_back("exists? " + name);
  return open_ != nullptr && open_->contains(name);
}

bool TFakeRegistry::DeleteValue(const std::string& name) {
  state_.log.push_back("delete " + name);
  return open_ != nullptr && open_->erase(name) == 1;
}

void TFakeRegistry::WriteString(const std::string& name, const std::string& value) {
  Write(name, value, REG_SZ);
}

void TFakeRegistry::WriteExpandString(const std::string& name, const std::string& value) {
  Write(name, value, REG_EXPAND_SZ);
}

void TFakeRegistry::Write(const std::string& name, const std::string& value, DWORD type) {
  state_.log.push_back(std::string(type == REG_SZ ? "REG_SZ " : "REG_EXPAND_SZ ") + name + " = " +
                       value);
  ++state_.writeAttempts;
  if (state_.refusal == TRefusal::Write || open_ == nullptr) {
    throw vcl::ERegistryException("Failed to set data for '" + name + "'");
  }
  (*open_)[name] = {type, value};
}

TFakeRegistryInstalled::TFakeRegistryInstalled(TFakeRegistryState& state)
    : previous_(abf::TabfAutoRun::SetRegistryFactory(
          [&state] { return std::make_unique<TFakeRegistry>(state); })) {}

TFakeRegistryInstalled::~TFakeRegistryInstalled() {
  abf::TabfAutoRun::SetRegistryFactory(std::move(previous_));
}

}  // namespace test_support
