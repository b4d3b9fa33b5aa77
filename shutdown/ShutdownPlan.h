// The decision of Apply's shutdown branch, window-free: the chosen moment, whether it is
// accepted, and the alarm times of the session end and of the warning.
#pragma once

#include <optional>

#include "platform/vcl/DateUtils.h"

namespace scheduler {

// A time of day in whole seconds, as an alarm clock takes it.
struct TAlarmTime {
  int hour = 0;
  int minute = 0;
  int second = 0;
  bool operator==(const TAlarmTime&) const = default;
};

struct TShutdownPlan {
  vcl::TDateTime chosen;  // the moment the session is to end
  TAlarmTime sessionEnd;  // its time of day, milliseconds dropped after rounding
  TAlarmTime warning;     // the time of day five minutes earlier
};

// The chosen moment: today's date with the picker's time of day. The picker's own date is the
// day it was first set and would turn every time into a past one after midnight.
vcl::TDateTime ChosenMoment(vcl::TDateTime now, vcl::TDateTime picker);

// Nothing when the chosen moment is not later than now by at least one millisecond.
std::optional<TShutdownPlan> PlanShutdown(vcl::TDateTime now, vcl::TDateTime picker);

}  // namespace scheduler
