#include "platform/abf/AutoRunValue.h"

namespace abf {

std::string RunValueName(std::string_view fileName) {
  size_t separator = fileName.find_last_of("\\:/");
  if (separator == std::string_view::npos) return std::string(fileName);
  return std::string(fileName.substr(separator + 1));
}

std::string RunValueData(std::string_view fileName) {
  if (fileName.find(' ') == std::string_view::npos) return std::string(fileName);
  std::string quoted;
  quoted.reserve(fileName.size() + 2);
  quoted.push_back('"');
  quoted.append(fileName);
  quoted.push_back('"');
  return quoted;
}

TRunValueType RunValueType(std::string_view data) {
  return data.find('%') == std::string_view::npos ? TRunValueType::String
                                                  : TRunValueType::ExpandString;
}

TRunValue RunValueFor(std::string_view fileName) {
  std::string data = RunValueData(fileName);
  TRunValueType type = RunValueType(data);
  return {RunValueName(fileName), std::move(data), type};
}

}  // namespace abf
