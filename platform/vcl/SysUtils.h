// The clock of the running system.
#pragma once

#include <windows.h>

#include "platform/vcl/DateUtils.h"

namespace vcl {

// The current local date and time, to the millisecond.
TDateTime Now();

TDateTime SystemTimeToDateTime(const SYSTEMTIME& time);
SYSTEMTIME DateTimeToSystemTime(TDateTime value);

}  // namespace vcl
