// TDateTime: a count of days since 30 December 1899 as a 64-bit floating-point number, whose
// fraction is the time of day, in local time. Window-free.
#pragma once

#include <cstdint>

namespace vcl {

using TDateTime = double;

constexpr double kHoursPerDay = 24;
constexpr double kMinutesPerDay = 24 * 60;
constexpr std::int64_t kMSecsPerDay = 24LL * 60 * 60 * 1000;
// Date-times closer than this count as equal.
constexpr double kOneMillisecond = 1.0 / kMSecsPerDay;
constexpr double kOneSecond = 1.0 / (24 * 60 * 60);
constexpr double kOneMinute = 1.0 / kMinutesPerDay;

struct TDateParts {
  int year = 1899;
  int month = 12;
  int day = 30;
  bool operator==(const TDateParts&) const = default;
};

struct TTimeParts {
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;
  bool operator==(const TTimeParts&) const = default;
};

TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int millisecond);
TDateTime EncodeDateTime(const TDateParts& date, const TTimeParts& time);

// The date of a date-time (the calendar day it falls on).
TDateParts DecodeDate(TDateTime value);
// The time of day rounded to the nearest whole millisecond, the date ignored.
TTimeParts DecodeTime(TDateTime value);

// The whole days and the time of day of a date-time.
TDateTime DateOf(TDateTime value);
TDateTime TimeOf(TDateTime value);

// (value × 1440 + minutes) / 1440, computed in extended precision and stored as a double.
TDateTime IncMinute(TDateTime value, std::int64_t minutes);

// 0 when a and b differ by less than one millisecond, -1 when a is earlier, 1 otherwise.
int CompareDateTime(TDateTime a, TDateTime b);

}  // namespace vcl
