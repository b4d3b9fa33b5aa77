#include "platform/abf/InstanceNames.h"

#include <algorithm>

namespace abf {

namespace {

// Only ASCII letters: the caller upper-cases the rest with the system's code page.
std::string UpperCase(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

}  // namespace

TInstanceNames InstanceNames(const TInstanceIdentity& identity) {
  std::string base =
      identity.exeNameAsIdentifier ? UpperCase(identity.exeName) : std::string(identity.title);
  base.append(identity.identifier);
  base.append(".OneInstance.");
  std::replace(base.begin(), base.end(), '\\', '/');
  return {base + "CriticalSection", base + "Default"};
}

}  // namespace abf
