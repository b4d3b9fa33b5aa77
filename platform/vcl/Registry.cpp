#include "platform/vcl/Registry.h"

namespace vcl {

void TRegistry::SetRootKey(HKEY rootKey) {
  CloseKey();
  rootKey_ = rootKey;
}

bool TRegistry::OpenKey(const std::string& key, bool canCreate) {
  bool fromRoot = !currentKey_ || (!key.empty() && key.front() == '\\');
  HKEY base = fromRoot ? rootKey_ : currentKey_.get();
  std::string path = !key.empty() && key.front() == '\\' ? key.substr(1) : key;
  HKEY opened = nullptr;
  LSTATUS status = canCreate
                       ? RegCreateKeyExA(base, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                         access_, nullptr, &opened, nullptr)
                       : RegOpenKeyExA(base, path.c_str(), 0, access_, &opened);
  if (status != ERROR_SUCCESS) return false;
  currentKey_.reset(opened);
  return true;
}

void TRegistry::CloseKey() {
  currentKey_.reset();
}

bool TRegistry::ValueExists(const std::string& name) {
  return currentKey_ && RegQueryValueExA(currentKey_.get(), name.c_str(), nullptr, nullptr, nullptr,
                                         nullptr) == ERROR_SUCCESS;
}

bool TRegistry::DeleteValue(const std::string& name) {
  return currentKey_ && RegDeleteValueA(currentKey_.get(), name.c_str()) == ERROR_SUCCESS;
}

void TRegistry::WriteString(const std::string& name, const std::string& value) {
  WriteText(name, value, REG_SZ);
}

void TRegistry::WriteExpandString(const std::string& name, const std::string& value) {
  WriteText(name, value, REG_EXPAND_SZ);
}

void TRegistry::WriteText(const std::string& name, const std::string& value, DWORD type) {
  // The stored size counts the terminating zero.
  LSTATUS status = currentKey_ ? RegSetValueExA(currentKey_.get(), name.c_str(), 0, type,
                                                reinterpret_cast<const BYTE*>(value.c_str()),
                                                static_cast<DWORD>(value.size() + 1))
                               : ERROR_INVALID_HANDLE;
  if (status != ERROR_SUCCESS) throw ERegistryException("Failed to set data for '" + name + "'");
}

}  // namespace vcl
