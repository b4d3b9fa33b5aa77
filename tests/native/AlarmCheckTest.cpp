// The alarm check of a clock, driven by a clock the test sets.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/rx/AlarmCheck.h"

namespace {

using namespace vcl;
using rx::TAlarmCheck;

const TDateTime kDay = EncodeDate(2026, 12, 11);

// A moment `day` days after kDay.
TDateTime At(int day, int hour, int minute, int second, int millisecond = 0) {
  return kDay + day + EncodeTime(hour, minute, second, millisecond);
}

// An alarm check reading a clock that the test sets.
struct TTestClock {
  TDateTime now = At(0, 0, 0, 0);
  TAlarmCheck check{[this] { return now; }};

  // Arms the way the program does: enabled first, then hour, minute and second.
  void Arm(TDateTime at, TTimeParts alarm, bool enabled = true) {
    now = at;
    check.SetEnabled(enabled);
    check.SetHour(alarm.hour);
    check.SetMinute(alarm.minute);
    check.SetSecond(alarm.second);
  }
};

TEST(AlarmCheck, StartsDisabledAtMidnightAndPending) {
  TTestClock clock;
  EXPECT_FALSE(clock.check.Enabled());
  EXPECT_EQ(clock.check.Hour(), 0);
  EXPECT_EQ(clock.check.Minute(), 0);
  EXPECT_EQ(clock.check.Second(), 0);
  EXPECT_TRUE(clock.check.Pending());
}

TEST(AlarmCheck, EachSetterReplacesOneFieldAndRecomputesThePendingFlag) {
  struct Step {
    char field;  // 'h', 'm', 's' or 'e' (enabled, a plain flag)
    int value;
    TTimeParts alarm;
    bool pending;
  };
  TTestClock clock;
  clock.now = At(0, 12, 0, 40);
  for (const Step& step : {Step{'h', 12, {12, 0, 0}, false}, Step{'m', 1, {12, 1, 0}, true},
                           Step{'s', 30, {12, 1, 30}, true}, Step{'m', 0, {12, 0, 30}, false},
                           Step{'e', 1, {12, 0, 30}, false}, Step{'h', 0, {0, 0, 30}, false},
                           Step{'m', 0, {0, 0, 30}, false}, Step{'s', 0, {0, 0, 0}, true},
                           Step{'e', 0, {0, 0, 0}, true}}) {
    SCOPED_TRACE(testing::Message() << step.field << " = " << step.value);
    switch (step.field) {
      case 'h':
        clock.check.SetHour(step.value);
        break;
      case 'm':
        clock.check.SetMinute(step.value);
        break;
      case 's':
        clock.check.SetSecond(step.value);
        break;
      case 'e':
        clock.check.SetEnabled(step.value != 0);
        break;
    }
    EXPECT_EQ(clock.check.Hour(), step.alarm.hour);
    EXPECT_EQ(clock.check.Minute(), step.alarm.minute);
    EXPECT_EQ(clock.check.Second(), step.alarm.second);
    EXPECT_EQ(clock.check.Pending(), step.pending);
  }
}

TEST(AlarmCheck, TicksThroughTheDay) {
  struct Tick {
    TDateTime at;
    bool goesOff;
    bool pendingAfter;
  };
  struct Scenario {
    const char* what;
    TDateTime armedAt;
    TTimeParts alarm;
    bool enabled;
    bool pendingWhenArmed;
    std::vector<Tick> ticks;
  };
  const std::vector<Scenario> scenarios = {
      {"across its window: from the alarm second to the end of that minute, once",
       At(0, 11, 59, 0),
       {12, 0, 30},
       true,
       true,
       {{At(0, 12, 0, 29, 999), false, true},
        {At(0, 12, 0, 30, 0), true, false},
        {At(0, 12, 0, 30, 450), false, false},
        {At(0, 12, 0, 59, 999), false, false},
        {At(0, 12, 1, 0, 0), false, false},
        {At(0, 13, 0, 0), false, false}}},
      {"a late tick inside the window still goes off",
       At(0, 11, 0, 0),
       {12, 0, 30},
       true,
       true,
       {{At(0, 12, 0, 29, 600), false, true}, {At(0, 12, 0, 59, 900), true, false}}},
      {"a tick that skips the whole window misses it",
       At(0, 11, 0, 0),
       {12, 0, 30},
       true,
       true,
       {{At(0, 12, 0, 29), false, true}, {At(0, 12, 1, 0), false, false}}},
      {"the hour or the minute alone is no match",
       At(0, 11, 0, 0),
       {12, 30, 10},
       true,
       true,
       {{At(0, 11, 30, 15), false, true},
        {At(0, 12, 29, 15), false, true},
        {At(0, 12, 30, 15), true, false}}},
      {"window already begun when armed: not today, but tomorrow",
       At(0, 12, 0, 40),
       {12, 0, 30},
       true,
       false,
       {{At(0, 12, 0, 40, 450), false, false},
        {At(0, 12, 0, 59), false, false},
        {At(0, 23, 59, 59, 999), false, false},
        {At(1, 0, 0, 0, 200), false, true},
        {At(1, 12, 0, 30, 100), true, false}}},
      {"armed exactly at the alarm second: not today",
       At(0, 12, 0, 30, 0),
       {12, 0, 30},
       true,
       false,
       {{At(0, 12, 0, 30, 450), false, false}}},
      {"armed a millisecond before the alarm second: goes off",
       At(0, 12, 0, 29, 999),
       {12, 0, 30},
       true,
       true,
       {{At(0, 12, 0, 30, 449), true, false}}},
      {"midnight: the pending flag comes back and the alarm goes off again the next day",
       At(0, 8, 0, 0),
       {12, 0, 30},
       true,
       true,
       {{At(0, 12, 0, 30, 200), true, false},
        {At(0, 23, 59, 59, 500), false, false},
        {At(1, 0, 0, 0, 300), false, true},
        {At(1, 12, 0, 30, 300), true, false},
        {At(2, 6, 0, 0), false, true},
        {At(2, 12, 0, 31), true, false}}},
      {"no tick between two windows: the flag stays clear",
       At(0, 8, 0, 0),
       {12, 0, 30},
       true,
       true,
       {{At(0, 12, 0, 30, 200), true, false}, {At(1, 12, 0, 31), false, false}}},
      {"alarm 00:00:00: always pending, goes off at the first tick after midnight",
       At(0, 23, 0, 0),
       {0, 0, 0},
       true,
       true,
       {{At(0, 23, 59, 59, 999), false, true},
        {At(1, 0, 0, 0, 100), true, false},
        {At(1, 0, 0, 59, 900), false, false},
        {At(1, 0, 1, 0, 0), false, true},
        {At(1, 18, 0, 0), false, true},
        {At(2, 0, 0, 45), true, false}}},
      {"alarm 00:00:00 armed inside its window goes off at the next tick",
       At(0, 0, 0, 30),
       {0, 0, 0},
       true,
       true,
       {{At(0, 0, 0, 30, 450), true, false}}},
      {"a time of day that rounds up to midnight is midnight",
       At(0, 23, 0, 0),
       {0, 0, 0},
       true,
       true,
       {{kDay + 1 - 0.3 * kOneMillisecond, true, false}}},
      {"not enabled: never goes off, the pending flag follows the time",
       At(0, 11, 0, 0),
       {12, 0, 30},
       false,
       true,
       {{At(0, 12, 0, 30, 0), false, false},
        {At(0, 12, 0, 45), false, false},
        {At(1, 0, 0, 1), false, true},
        {At(1, 12, 0, 30, 100), false, false}}},
  };
  for (const Scenario& s : scenarios) {
    SCOPED_TRACE(s.what);
    TTestClock clock;
    clock.Arm(s.armedAt, s.alarm, s.enabled);
    EXPECT_EQ(clock.check.Pending(), s.pendingWhenArmed);
    for (size_t i = 0; i < s.ticks.size(); ++i) {
      clock.now = s.ticks[i].at;
      EXPECT_EQ(clock.check.Tick(), s.ticks[i].goesOff) << "tick " << i;
      EXPECT_EQ(clock.check.Pending(), s.ticks[i].pendingAfter) << "tick " << i;
    }
  }
}

TEST(AlarmCheck, EnablingInsideTheWindowGoesOffOnlyIfStillPending) {
  // A disabled clock's ticks keep the pending flag current, so enabling it in the middle of its
  // window does not go off once the alarm second has been seen.
  TTestClock clock;
  clock.Arm(At(0, 11, 0, 0), {12, 0, 30}, false);
  clock.now = At(0, 12, 0, 31);
  EXPECT_FALSE(clock.check.Tick());
  clock.check.SetEnabled(true);
  clock.now = At(0, 12, 0, 31, 450);
  EXPECT_FALSE(clock.check.Tick());

  // Without a tick since before the window, the flag is still set and the alarm goes off.
  TTestClock late;
  late.Arm(At(0, 11, 0, 0), {12, 0, 30}, false);
  late.now = At(0, 12, 0, 40);
  late.check.SetEnabled(true);
  EXPECT_TRUE(late.check.Tick());
}

// Ticks every 450 ms for two days from the moment of arming, as the running clock does.
TEST(AlarmCheck, RealTicksGoOffOncePerDayWithinATickOfTheAlarmSecond) {
  struct Case {
    const char* what;
    TDateTime armedAt;
    TTimeParts alarm;
    std::vector<TDateTime> alarmSeconds;  // the alarms expected in those two days
  };
  const double tick = 450 * kOneMillisecond;
  for (const Case& c : {
           Case{
               "ahead today", At(0, 12, 0, 0, 123), {12, 0, 3}, {At(0, 12, 0, 3), At(1, 12, 0, 3)}},
           Case{"passed today",
                At(0, 12, 0, 0, 123),
                {11, 59, 59},
                {At(1, 11, 59, 59), At(2, 11, 59, 59)}},
           Case{"window begun", At(0, 12, 0, 5, 0), {12, 0, 3}, {At(1, 12, 0, 3), At(2, 12, 0, 3)}},
           Case{"midnight", At(0, 23, 59, 58, 700), {0, 0, 0}, {At(1, 0, 0, 0), At(2, 0, 0, 0)}},
       }) {
    SCOPED_TRACE(c.what);
    TTestClock clock;
    clock.Arm(c.armedAt, c.alarm);
    std::vector<TDateTime> alarms;
    const std::int64_t ticks = static_cast<std::int64_t>(2 / tick) - 2;
    for (std::int64_t i = 1; i <= ticks; ++i) {
      clock.now = c.armedAt + static_cast<double>(i) * tick;
      if (clock.check.Tick()) alarms.push_back(clock.now);
    }
    EXPECT_EQ(alarms.size(), c.alarmSeconds.size());
    for (size_t i = 0; i < alarms.size() && i < c.alarmSeconds.size(); ++i) {
      // Not before the alarm second, as the time of day is rounded to the millisecond.
      EXPECT_GE(alarms[i], c.alarmSeconds[i] - 0.5 * kOneMillisecond) << i;
      EXPECT_LT(alarms[i], c.alarmSeconds[i] + tick) << i;
    }
  }
}

}  // namespace
