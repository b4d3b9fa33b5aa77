// A registry in memory that records what is asked of it, and can refuse: for the start-with-
// Windows component, handed to it through its registry factory.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/abf/AutoRun.h"
#include "platform/vcl/Registry.h"

namespace test_support {

enum class TRefusal {
  None,
  OpenKey,     // no key opens, none is created
  Write,       // keys open, values cannot be set
  OtherError,  // an error that is no registry error at all
};

struct TStoredValue {
  DWORD type;
  std::string data;
  bool operator==(const TStoredValue&) const = default;
};

// Shared by every registry object the factory makes.
struct TFakeRegistryState {
  TRefusal refusal = TRefusal::None;
  // (root, key) -> name -> value
  std::map<std::pair<HKEY, std::string>, std::map<std::string, TStoredValue>> keys;
  std::vector<std::string> log;
  int writeAttempts = 0;
};

class TFakeRegistry : public vcl::TRegistry {
 public:
  explicit TFakeRegistry(TFakeRegistryState& state) : state_(state) {}

  bool OpenKey(const std::string& key, bool canCreate) override;
  void CloseKey() override { open_ = nullptr; }
  bool ValueExists(const std::string& name) override;
  bool DeleteValue(const std::string& name) override;
  void WriteString(const std::string& name, const std::string& value) override;
  void WriteExpandString(const std::string& name, const std::string& value) override;

 private:
  void Write(const std::string& name, const std::string& value, DWORD type);

  TFakeRegistryState& state_;
  std::map<std::string, TStoredValue>* open_ = nullptr;
};

// Hands the component fake registries for the life of the object.
class TFakeRegistryInstalled {
 public:
  explicit TFakeRegistryInstalled(TFakeRegistryState& state);
  ~TFakeRegistryInstalled();
  TFakeRegistryInstalled(const TFakeRegistryInstalled&) = delete;
  TFakeRegistryInstalled& operator=(const TFakeRegistryInstalled&) = delete;

 private:
  abf::TRegistryFactory previous_;
};

}  // namespace test_support
