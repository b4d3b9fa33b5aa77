#include "platform/vcl/SysUtils.h"

namespace vcl {

TDateTime SystemTimeToDateTime(const SYSTEMTIME& t) {
  return EncodeDateTime({t.wYear, t.wMonth, t.wDay},
                        {t.wHour, t.wMinute, t.wSecond, t.wMilliseconds});
}

SYSTEMTIME DateTimeToSystemTime(TDateTime value) {
  TDateParts date = DecodeDate(value);
  TTimeParts time = DecodeTime(value);
  SYSTEMTIME t{};
  t.wYear = static_cast<WORD>(date.year);
  t.wMonth = static_cast<WORD>(date.month);
  t.wDay = static_cast<WORD>(date.day);
  t.wHour = static_cast<WORD>(time.hour);
  t.wMinute = static_cast<WORD>(time.minute);
  t.wSecond = static_cast<WORD>(time.second);
  t.wMilliseconds = static_cast<WORD>(time.millisecond);
  return t;
}

TDateTime Now() {
  SYSTEMTIME local;
  GetLocalTime(&local);
  return SystemTimeToDateTime(local);
}

std::string GetModuleName(HMODULE module) {
  std::string path(MAX_PATH, '\0');
  for (;;) {
    DWORD length = GetModuleFileNameA(module, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);  // the path was cut short
  }
}

}  // namespace vcl
