// TRegistry: one open key below a root key, with the value operations the program needs.
#pragma once

#include <windows.h>

#include <exception>
#include <string>
#include <utility>

#include "platform/vcl/Classes.h"
#include "platform/vcl/Handles.h"

namespace vcl {

// Raised when a value cannot be written. Not a std::runtime_error: that class alone would link
// both of the library's string implementations into the program.
class ERegistryException : public std::exception {
 public:
  explicit ERegistryException(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

// The operations are virtual so that a test can hand a component a registry that refuses.
class TRegistry : public TObject {
 public:
  // Root HKEY_CURRENT_USER, every key opened with KEY_ALL_ACCESS.
  TRegistry() = default;
  explicit TRegistry(REGSAM access) : access_(access) {}

  HKEY RootKey() const { return rootKey_; }
  // Closes the current key.
  void SetRootKey(HKEY rootKey);
  REGSAM Access() const { return access_; }
  void SetAccess(REGSAM access) { access_ = access; }
  HKEY CurrentKey() const { return currentKey_.get(); }

  // Opens a key (below the current key, or below the root key if none is open or the path
  // starts with "\"), creating it if asked; on success it becomes the current key.
  virtual bool OpenKey(const std::string& key, bool canCreate);
  virtual void CloseKey();
  // Of the current key.
  virtual bool ValueExists(const std::string& name);
  virtual bool DeleteValue(const std::string& name);
  // REG_SZ and REG_EXPAND_SZ; raise ERegistryException when the value cannot be set.
  virtual void WriteString(const std::string& name, const std::string& value);
  virtual void WriteExpandString(const std::string& name, const std::string& value);

 private:
  void WriteText(const std::string& name, const std::string& value, DWORD type);

  HKEY rootKey_ = HKEY_CURRENT_USER;
  REGSAM access_ = KEY_ALL_ACCESS;
  TUniqueKey currentKey_;
};

}  // namespace vcl
