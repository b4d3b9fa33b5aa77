// The alarm of a clock: an armed flag, a time of day in whole seconds, and a pending flag that
// lets the alarm go off once in each of its windows. Window-free: the current time comes from
// the clock it is given, so tests can set the time.
#pragma once

#include <functional>

#include "platform/vcl/DateUtils.h"

namespace rx {

class TAlarmCheck {
 public:
  // The current local date-time.
  using TClock = std::function<vcl::TDateTime()>;

  explicit TAlarmCheck(TClock now);

  // A plain flag: it starts and stops nothing and leaves the pending flag alone.
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }

  // Each setter replaces one field of the alarm time, keeps the other two, then recomputes the
  // pending flag.
  int Hour() const { return hour_; }
  int Minute() const { return minute_; }
  int Second() const { return second_; }
  void SetHour(int hour);
  void SetMinute(int minute);
  void SetSecond(int second);

  bool Pending() const { return pending_; }
  // Pending when the current time of day is earlier than the alarm time, or the alarm time is
  // 00:00:00.
  void RecomputePending();

  // One tick. Inside the window (the alarm's hour and minute, a second not smaller than its
  // second) while enabled, a pending alarm goes off: the flag is cleared and true returned.
  // Outside it, or while not enabled, the pending flag is recomputed.
  bool Tick();

 private:
  TClock now_;
  bool enabled_ = false;
  int hour_ = 0;
  int minute_ = 0;
  int second_ = 0;
  bool pending_ = true;

  void RecomputePending(const vcl::TTimeParts& now);
};

}  // namespace rx
