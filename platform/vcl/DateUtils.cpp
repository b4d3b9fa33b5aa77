#include "platform/vcl/DateUtils.h"

#include <cmath>

namespace vcl {

namespace {

constexpr int kDaysBeforeMonth[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

// Days from 0001-01-01 (proleptic Gregorian) to the given date, counting from 1.
constexpr std::int64_t DayNumber(int year, int month, int day) {
  std::int64_t y = year - 1;
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  std::int64_t days = y * 365 + y / 4 - y / 100 + y / 400 + kDaysBeforeMonth[month - 1] + day;
  if (leap && month > 2) ++days;
  return days;
}

// A constant, not a dynamically initialised global: date-times built during the static
// initialisation of other files would otherwise see it still zero.
constexpr std::int64_t kDelphiEpoch = DayNumber(1899, 12, 30);

}  // namespace

TDateTime EncodeDate(int year, int month, int day) {
  return static_cast<TDateTime>(DayNumber(year, month, day) - kDelphiEpoch);
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond) {
  std::int64_t ms = ((hour * 60LL + minute) * 60 + second) * 1000 + millisecond;
  return static_cast<TDateTime>(ms) / kMSecsPerDay;
}

TDateTime EncodeDateTime(const TDateParts& date, const TTimeParts& time) {
  return EncodeDate(date.year, date.month, date.day) +
         EncodeTime(time.hour, time.minute, time.second, time.millisecond);
}

TDateParts DecodeDate(TDateTime value) {
  // Civil date from a day count (days since 1970-01-01), after H. Hinnant's algorithm.
  std::int64_t z =
      static_cast<std::int64_t>(std::floor(value)) + kDelphiEpoch - DayNumber(1970, 1, 1);
  z += 719468;
  std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  std::int64_t doe = z - era * 146097;
  std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  std::int64_t mp = (5 * doy + 2) / 153;
  int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  int year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
  return {year, month, day};
}

TTimeParts DecodeTime(TDateTime value) {
  // The whole value is rounded to milliseconds first, so 23:59:59.9996 is the next midnight.
  std::int64_t total = std::llround(std::fabs(value) * static_cast<double>(kMSecsPerDay));
  std::int64_t ms = total % kMSecsPerDay;
  TTimeParts parts;
  parts.millisecond = static_cast<int>(ms % 1000);
  ms /= 1000;
  parts.second = static_cast<int>(ms % 60);
  ms /= 60;
  parts.minute = static_cast<int>(ms % 60);
  parts.hour = static_cast<int>(ms / 60);
  return parts;
}

TDateTime DateOf(TDateTime value) {
  return std::trunc(value);
}

TDateTime TimeOf(TDateTime value) {
  return std::fabs(value - std::trunc(value));
}

TDateTime IncMinute(TDateTime value, std::int64_t minutes) {
  long double extended =
      static_cast<long double>(value) * 1440.0L + static_cast<long double>(minutes);
  return static_cast<TDateTime>(extended / 1440.0L);
}

int CompareDateTime(TDateTime a, TDateTime b) {
  if (std::fabs(a - b) < kOneMillisecond) return 0;
  return a < b ? -1 : 1;
}

}  // namespace vcl
