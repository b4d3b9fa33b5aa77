// The names of the two single-instance mutexes. Free of windows.h, so it is tested natively.
#pragma once

#include <string>
#include <string_view>

namespace abf {

struct TInstanceNames {
  std::string criticalSection;  // held only while a start makes its check
  std::string defaultMutex;     // owned by the running instance
};

struct TInstanceIdentity {
  std::string_view title;
  std::string_view identifier;
  bool exeNameAsIdentifier = false;
  std::string_view exeName;  // the executable's full path, used in place of the title if asked
};

// The base is the title (or the upper-cased path), the identifier and ".OneInstance."; a "\" is
// not allowed in a kernel object's name, so every one becomes "/".
TInstanceNames InstanceNames(const TInstanceIdentity& identity);

}  // namespace abf
