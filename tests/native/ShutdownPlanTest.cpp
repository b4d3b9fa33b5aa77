// Apply's decision: the chosen moment, the one-millisecond check, and the two alarm times.
#include <gtest/gtest.h>

#include <vector>

#include "shutdown/ShutdownPlan.h"

namespace {

using namespace vcl;
using scheduler::PlanShutdown;
using scheduler::TAlarmTime;

const TDateTime kStartDay = EncodeDate(2026, 12, 8);  // the picker's date: the day of the start
const TDateTime kToday = EncodeDate(2026, 12, 11);
const double kMs = kOneMillisecond;

TDateTime Time(int hour, int minute, int second, int millisecond = 0) {
  return EncodeTime(hour, minute, second, millisecond);
}

TEST(ShutdownPlan, TakesTodaysDateWithThePickersTimeOfDay) {
  for (TDateTime pickerDate : {kStartDay, kToday, kToday + 2}) {
    TDateTime chosen =
        scheduler::ChosenMoment(kToday + Time(9, 0, 0), pickerDate + Time(18, 30, 5));
    EXPECT_EQ(DecodeDate(chosen), (TDateParts{2026, 12, 11}));
    EXPECT_EQ(DecodeTime(chosen), (TTimeParts{18, 30, 5, 0}));
  }
}

TEST(ShutdownPlan, AcceptsOnlyAMomentAtLeastOneMillisecondAhead) {
  struct Case {
    const char* what;
    TDateTime now;
    TDateTime pickerTime;
    bool accepted;
  };
  const TDateTime t = Time(18, 30, 0);
  for (const Case& c : {
           Case{"ahead by hours, picker set days ago", kToday + Time(9, 0, 0), t, true},
           Case{"ahead by 1.001 ms", kToday + t - 1.001 * kMs, t, true},
           Case{"ahead by 0.999 ms counts as the same moment", kToday + t - 0.999 * kMs, t, false},
           Case{"the same moment", kToday + t, t, false},
           Case{"a millisecond behind", kToday + t + kMs, t, false},
           Case{"earlier today", kToday + Time(19, 0, 0), t, false},
           Case{"just after midnight, a time late in the evening", kToday + Time(0, 0, 1),
                Time(23, 59, 0), true},
           Case{"just before midnight, a time early in the morning", kToday + Time(23, 59, 59),
                Time(0, 1, 0), false},
       }) {
    EXPECT_EQ(PlanShutdown(c.now, kStartDay + c.pickerTime).has_value(), c.accepted) << c.what;
  }
}

TEST(ShutdownPlan, GivesTheSessionEndAndWarningAlarmTimes) {
  struct Case {
    const char* what;
    TDateTime now;
    TDateTime pickerTime;
    TAlarmTime sessionEnd;
    TAlarmTime warning;
  };
  for (const Case& c : {
           Case{"whole seconds", Time(12, 0, 0), Time(18, 30, 0), {18, 30, 0}, {18, 25, 0}},
           Case{"milliseconds dropped",
                Time(12, 0, 0),
                Time(18, 30, 7, 999),
                {18, 30, 7},
                {18, 25, 7}},
           Case{"0.4 ms below a second rounds up to it",
                Time(12, 0, 0),
                Time(18, 29, 59, 999) + 0.6 * kMs,
                {18, 30, 0},
                {18, 25, 0}},
           Case{"0.6 ms below a second stays below",
                Time(12, 0, 0),
                Time(18, 29, 59, 999) + 0.4 * kMs,
                {18, 29, 59},
                {18, 24, 59}},
           Case{"later in the same second, milliseconds dropped",
                Time(18, 30, 0, 200),
                Time(18, 30, 0, 700),
                {18, 30, 0},
                {18, 25, 0}},
           Case{"warning exactly at midnight", Time(0, 1, 0), Time(0, 5, 0), {0, 5, 0}, {0, 0, 0}},
           Case{"warning on the day before", Time(0, 1, 0), Time(0, 3, 0), {0, 3, 0}, {23, 58, 0}},
           Case{"warning window already begun",
                Time(15, 27, 30),
                Time(15, 32, 20),
                {15, 32, 20},
                {15, 27, 20}},
           Case{"a time of day that rounds up to the next midnight",
                Time(23, 0, 0),
                1 - 0.3 * kMs,
                {0, 0, 0},
                {23, 55, 0}},
       }) {
    SCOPED_TRACE(c.what);
    auto plan = PlanShutdown(kToday + c.now, kStartDay + c.pickerTime);
    ASSERT_TRUE(plan.has_value());
    EXPECT_EQ(plan->sessionEnd, c.sessionEnd);
    EXPECT_EQ(plan->warning, c.warning);
  }
}

TEST(ShutdownPlan, WarningAtMidnightIsMidnightAtEveryDate) {
  // 00:05:00 less five minutes may land a hair before midnight, depending on the date; rounded to
  // the millisecond it is midnight.
  for (TDateTime day : {EncodeDate(1900, 1, 1), EncodeDate(2026, 12, 11), EncodeDate(2099, 6, 30),
                        EncodeDate(9999, 12, 30)}) {
    auto plan = PlanShutdown(day + Time(0, 1, 0), kStartDay + Time(0, 5, 0));
    ASSERT_TRUE(plan.has_value());
    EXPECT_EQ(plan->warning, (TAlarmTime{0, 0, 0})) << day;
  }
}

}  // namespace
