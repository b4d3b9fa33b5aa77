#include "platform/rx/AlarmCheck.h"

#include <utility>

namespace rx {

namespace {

int MillisecondOfDay(const vcl::TTimeParts& t) {
  return ((t.hour * 60 + t.minute) * 60 + t.second) * 1000 + t.millisecond;
}

}  // namespace

TAlarmCheck::TAlarmCheck(TClock now) : now_(std::move(now)) {}

void TAlarmCheck::SetHour(int hour) {
  hour_ = hour;
  RecomputePending();
}

void TAlarmCheck::SetMinute(int minute) {
  minute_ = minute;
  RecomputePending();
}

void TAlarmCheck::SetSecond(int second) {
  second_ = second;
  RecomputePending();
}

void TAlarmCheck::RecomputePending() {
  RecomputePending(vcl::DecodeTime(now_()));
}

void TAlarmCheck::RecomputePending(const vcl::TTimeParts& now) {
  bool midnight = hour_ == 0 && minute_ == 0 && second_ == 0;
  pending_ = midnight || MillisecondOfDay(now) < MillisecondOfDay({hour_, minute_, second_, 0});
}

bool TAlarmCheck::Tick() {
  vcl::TTimeParts now = vcl::DecodeTime(now_());
  if (enabled_ && now.hour == hour_ && now.minute == minute_ && now.second >= second_) {
    if (!pending_) return false;
    pending_ = false;
    return true;
  }
  RecomputePending(now);
  return false;
}

}  // namespace rx
