// Date-time arithmetic: encoding and decoding, and the rounding that decides alarm times.
#include <gtest/gtest.h>

#include "platform/vcl/DateUtils.h"

namespace {

using namespace vcl;

// Built while the program's globals are initialised, before any code of DateUtils has run.
const TDateTime kDuringStaticInitialisation = EncodeDate(2026, 12, 11) + EncodeTime(6, 0, 0, 0);

TEST(DateUtils, WorksDuringStaticInitialisation) {
  EXPECT_EQ(kDuringStaticInitialisation, 46367.25);
  EXPECT_EQ(DecodeDate(kDuringStaticInitialisation), (TDateParts{2026, 12, 11}));
}

TEST(DateUtils, EncodesAndDecodesCalendarDates) {
  struct Case {
    TDateParts date;
    double days;
  };
  for (Case c : {Case{{1899, 12, 30}, 0}, Case{{1900, 1, 1}, 2}, Case{{2000, 2, 29}, 36585},
                 Case{{2026, 12, 11}, 46367}, Case{{2024, 3, 1}, 45352}}) {
    EXPECT_EQ(EncodeDate(c.date.year, c.date.month, c.date.day), c.days);
    EXPECT_EQ(DecodeDate(c.days + 0.75), c.date) << c.days;
  }
}

TEST(DateUtils, DecodeTimeRoundsToTheNearestMillisecond) {
  struct Case {
    const char* what;
    TDateTime value;
    TTimeParts expected;
  };
  const double ms = kOneMillisecond;
  for (const Case& c : {
           Case{"exact", EncodeTime(18, 30, 0, 0), {18, 30, 0, 0}},
           Case{"0.4 ms below a second rounds up",
                EncodeTime(18, 29, 59, 999) + 0.6 * ms,
                {18, 30, 0, 0}},
           Case{"0.4 ms above stays", EncodeTime(18, 30, 0, 0) + 0.4 * ms, {18, 30, 0, 0}},
           Case{"just before midnight rounds to midnight", 46367 + 1 - 0.3 * ms, {0, 0, 0, 0}},
           Case{"the date is ignored", 46367 + EncodeTime(7, 5, 3, 250), {7, 5, 3, 250}},
       }) {
    EXPECT_EQ(DecodeTime(c.value), c.expected) << c.what;
  }
}

TEST(DateUtils, IncMinuteGivesTheWarningTimeWithoutDrift) {
  struct Case {
    TTimeParts chosen;
    TTimeParts warning;
  };
  const TDateTime day = EncodeDate(2026, 12, 11);
  for (Case c : {Case{{18, 30, 0, 0}, {18, 25, 0, 0}}, Case{{0, 5, 0, 0}, {0, 0, 0, 0}},
                 Case{{0, 3, 0, 0}, {23, 58, 0, 0}}, Case{{15, 32, 20, 0}, {15, 27, 20, 0}},
                 Case{{23, 59, 59, 999}, {23, 54, 59, 999}}}) {
    TDateTime chosen =
        day + EncodeTime(c.chosen.hour, c.chosen.minute, c.chosen.second, c.chosen.millisecond);
    EXPECT_EQ(DecodeTime(IncMinute(chosen, -5)), c.warning)
        << c.chosen.hour << ":" << c.chosen.minute;
  }
  // 00:05:00 five minutes back is exactly midnight of the same day, not a hair before it.
  TDateTime midnight = IncMinute(day + EncodeTime(0, 5, 0, 0), -5);
  EXPECT_EQ(DecodeDate(midnight), (TDateParts{2026, 12, 11}));
}

TEST(DateUtils, CompareDateTimeHasAToleranceOfOneMillisecond) {
  const TDateTime t = EncodeDate(2026, 12, 11) + EncodeTime(12, 0, 0, 0);
  const double ms = kOneMillisecond;
  struct Case {
    const char* what;
    TDateTime a, b;
    int expected;
  };
  for (const Case& c :
       {Case{"equal", t, t, 0}, Case{"0.9 ms earlier", t - 0.9 * ms, t, 0},
        Case{"0.9 ms later", t + 0.9 * ms, t, 0}, Case{"1.1 ms earlier", t - 1.1 * ms, t, -1},
        Case{"1.1 ms later", t + 1.1 * ms, t, 1}, Case{"a day earlier", t - 1, t, -1}}) {
    EXPECT_EQ(CompareDateTime(c.a, c.b), c.expected) << c.what;
  }
}

}  // namespace
