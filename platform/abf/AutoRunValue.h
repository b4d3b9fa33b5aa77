// The start-with-Windows value, worked out from the executable's path: its name, its data and
// its registry type. Free of windows.h, so it is tested natively.
#pragma once

#include <string>
#include <string_view>

namespace abf {

// The two registry types the value can have (REG_SZ and REG_EXPAND_SZ).
enum class TRunValueType { String, ExpandString };

struct TRunValue {
  std::string name;
  std::string data;
  TRunValueType type;
};

// The file name after the last "\", ":" or "/" of the path.
std::string RunValueName(std::string_view fileName);
// The path itself; in double quotes when it holds a space, or Windows would first try to run
// the part before the space ("C:\Program.exe") at every logon.
std::string RunValueData(std::string_view fileName);
// An expandable string when the data holds a "%", a plain string otherwise.
TRunValueType RunValueType(std::string_view data);

TRunValue RunValueFor(std::string_view fileName);

}  // namespace abf
