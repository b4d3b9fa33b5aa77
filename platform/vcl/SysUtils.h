// The clock of the running system, and the path of a module.
#pragma once

#include <windows.h>

#include <string>

#include "platform/vcl/DateUtils.h"

namespace vcl {

// The current local date and time, to the millisecond.
TDateTime Now();

TDateTime SystemTimeToDateTime(const SYSTEMTIME& time);
SYSTEMTIME DateTimeToSystemTime(TDateTime value);

// The full path of a module's file as Windows reports it (null: the running executable).
std::string GetModuleName(HMODULE module);

}  // namespace vcl
