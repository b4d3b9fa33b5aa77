// The alarm clock under Wine: no tick while disarmed, a real 450 ms tick once armed, and the
// alarm raised by whatever message loop the user-interface thread is running.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "platform/rx/Clock.h"
#include "platform/vcl/Dialogs.h"
#include "platform/vcl/MessageWindow.h"
#include "platform/vcl/SysUtils.h"
#include "tests/support/WindowQueries.h"
#include "tests/wine/InProcess.h"

namespace {

using rx::TRxClock;
using test_support::PumpFor;
using test_support::PumpUntil;

// Counts the timer messages this thread's message loops take from the queue.
class TTimerMessageCounter {
 public:
  TTimerMessageCounter() {
    count_ = 0;
    hook_ = SetWindowsHookExA(WH_GETMESSAGE, &Hook, nullptr, GetCurrentThreadId());
  }
  ~TTimerMessageCounter() { UnhookWindowsHookEx(hook_); }
  int Count() const { return count_; }

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const MSG*>(lParam);
    if (code == HC_ACTION && wParam == PM_REMOVE && message->message == WM_TIMER) ++count_;
    return CallNextHookEx(nullptr, code, wParam, lParam);
  }
  static inline int count_ = 0;
  HHOOK hook_;
};

// Arms the clock as the program does, for the time of day `seconds` from now.
vcl::TTimeParts ArmIn(TRxClock& clock, int seconds) {
  vcl::TTimeParts at = vcl::DecodeTime(vcl::Now() + seconds * vcl::kOneSecond);
  clock.SetAlarmEnabled(true);
  clock.SetAlarmHour(at.hour);
  clock.SetAlarmMinute(at.minute);
  clock.SetAlarmSecond(at.second);
  return at;
}

// The visible message box of this thread, or null.
HWND OpenMessageBox() {
  return test_support::FirstVisibleOfClass(
      test_support::TopLevelWindowsOfThread(GetCurrentThreadId()), "#32770");
}

// OK to every top-level window of the thread: whichever box it shows closes.
void PressOkInEveryWindowOf(DWORD thread) {
  for (HWND window : test_support::TopLevelWindowsOfThread(thread)) {
    PostMessageA(window, WM_COMMAND, IDOK, 0);
  }
}

// Ends a modal loop that the alarm failed to end, so that a failing test does not hang.
class TRescue {
 public:
  explicit TRescue(std::function<void()> rescue)
      : thread_([this, rescue = std::move(rescue)] {
          for (int i = 0; i < 100 && !done_; ++i) Sleep(100);
          if (!done_) rescue();
        }) {}
  ~TRescue() {
    done_ = true;
    thread_.join();
  }

 private:
  std::atomic<bool> done_{false};
  std::thread thread_;
};

TEST(Clock, StartsDisarmedAtMidnightPendingAndInvisibleAsLaidOut) {
  TRxClock clock(nullptr, "RxClock1", {.bounds = {520, 48, 57, 33}, .visible = false});
  EXPECT_FALSE(clock.AlarmEnabled());
  EXPECT_EQ(clock.AlarmHour(), 0);
  EXPECT_EQ(clock.AlarmMinute(), 0);
  EXPECT_EQ(clock.AlarmSecond(), 0);
  EXPECT_TRUE(clock.AlarmPending());
  EXPECT_FALSE(clock.Visible());
  EXPECT_EQ(clock.Bounds(), (vcl::TBounds{520, 48, 57, 33}));
}

TEST(Clock, HasNoTimerWhileDisarmedAndTicksEvery450MillisecondsWhileArmed) {
  TTimerMessageCounter timers;
  TRxClock clock(nullptr, "RxClock1");
  int reads = 0;
  clock.SetTimeSource([&reads] {
    ++reads;
    return vcl::Now();
  });
  clock.SetAlarmHour(3);  // setting the alarm time starts nothing
  PumpFor(1500);
  EXPECT_FALSE(clock.Ticking());
  EXPECT_EQ(timers.Count(), 0);
  EXPECT_EQ(reads, 1);  // the setter's recompute only

  clock.SetAlarmEnabled(true);
  EXPECT_TRUE(clock.Ticking());
  EXPECT_EQ(reads, 2);  // enabling brings the pending flag up to date at once
  PumpFor(2000);
  // 2000 ms hold four ticks of 450 ms; a loaded machine may deliver fewer, never more.
  EXPECT_GE(timers.Count(), 1);
  EXPECT_LE(timers.Count(), 5);
  EXPECT_EQ(reads, 2 + timers.Count());

  clock.SetAlarmEnabled(false);
  EXPECT_FALSE(clock.Ticking());
  int before = timers.Count();
  PumpFor(1500);
  EXPECT_EQ(timers.Count(), before);
}

TEST(Clock, GoesOffOnceInItsWindowOnTheUserInterfaceThreadWithTheClockAsSender) {
  TRxClock clock(nullptr, "RxClock1");
  std::vector<vcl::TTimeParts> alarms;
  vcl::TObject* sender = nullptr;
  DWORD thread = 0;
  clock.OnAlarm = [&](vcl::TObject* s) {
    alarms.push_back(vcl::DecodeTime(vcl::Now()));
    sender = s;
    thread = GetCurrentThreadId();
  };
  vcl::TTimeParts at = ArmIn(clock, 2);
  EXPECT_TRUE(clock.AlarmPending());
  ASSERT_TRUE(PumpUntil([&] { return !alarms.empty(); }, 6000));
  PumpFor(2000);  // further ticks inside the same window stay silent
  ASSERT_EQ(alarms.size(), 1u);
  EXPECT_EQ(sender, &clock);
  EXPECT_EQ(thread, GetCurrentThreadId());
  EXPECT_EQ(alarms[0].hour, at.hour);
  EXPECT_EQ(alarms[0].minute, at.minute);
  EXPECT_GE(alarms[0].second, at.second);
  EXPECT_FALSE(clock.AlarmPending());
}

TEST(Clock, ArmedWhenItsWindowHasBegunStaysSilentThatDay) {
  TRxClock clock(nullptr, "RxClock1");
  int alarms = 0;
  clock.OnAlarm = [&](vcl::TObject*) { ++alarms; };
  ArmIn(clock, 0);
  EXPECT_FALSE(clock.AlarmPending());
  PumpFor(1500);
  EXPECT_EQ(alarms, 0);
}

TEST(Clock, GoesOffWhileAModalMessageBoxIsOpen) {
  TRxClock clock(nullptr, "RxClock1");
  HWND boxSeenByAlarm = nullptr;
  clock.OnAlarm = [&](vcl::TObject*) {
    boxSeenByAlarm = OpenMessageBox();
    if (boxSeenByAlarm != nullptr) PostMessageA(boxSeenByAlarm, WM_COMMAND, IDOK, 0);
  };
  ArmIn(clock, 1);
  DWORD thread = GetCurrentThreadId();
  TRescue rescue([thread] { PressOkInEveryWindowOf(thread); });
  vcl::ShowInformation(L"Waiting for the alarm");  // returns once the alarm has closed it
  EXPECT_NE(boxSeenByAlarm, nullptr);
}

TEST(Clock, GoesOffWhileAPopupMenuIsOpen) {
  TRxClock clock(nullptr, "RxClock1");
  vcl::TMessageWindow owner({.className = "ClockTestMenuOwner"}, nullptr);
  vcl::TUniqueMenu menu(CreatePopupMenu());
  AppendMenuA(menu.get(), MF_STRING, 1, "Options");
  AppendMenuA(menu.get(), MF_STRING, 2, "Exit");
  bool menuOpenAtAlarm = false;
  clock.OnAlarm = [&](vcl::TObject*) {
    HWND open = FindWindowA("#32768", nullptr);
    menuOpenAtAlarm = open != nullptr && IsWindowVisible(open);
    EndMenu();
  };
  ArmIn(clock, 1);
  TRescue rescue([] {
    if (HWND open = FindWindowA("#32768", nullptr)) {
      PostMessageA(open, WM_KEYDOWN, VK_ESCAPE, 0);
      PostMessageA(open, WM_KEYDOWN, VK_ESCAPE, 0);
    }
  });
  SetForegroundWindow(owner.Handle());
  UINT command = TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, 100, 100, 0,
                                owner.Handle(), nullptr);
  EXPECT_EQ(command, 0u);
  EXPECT_TRUE(menuOpenAtAlarm);
}

TEST(Clock, AnotherClockGoesOffWhileTheFirstOnesHandlerWaitsInAMessageBox) {
  TRxClock warning(nullptr, "Warning_Clock");
  TRxClock sessionEnd(nullptr, "RxClock1");
  bool boxOpenAtSessionEnd = false;
  warning.OnAlarm = [&](vcl::TObject*) { vcl::ShowInformation(L"Five minutes"); };
  sessionEnd.OnAlarm = [&](vcl::TObject*) {
    HWND box = OpenMessageBox();
    boxOpenAtSessionEnd = box != nullptr;
    if (box != nullptr) PostMessageA(box, WM_COMMAND, IDOK, 0);
  };
  ArmIn(warning, 1);
  ArmIn(sessionEnd, 3);
  DWORD thread = GetCurrentThreadId();
  TRescue rescue([thread] { PressOkInEveryWindowOf(thread); });
  ASSERT_TRUE(PumpUntil([&] { return !sessionEnd.AlarmPending(); }, 8000));
  EXPECT_TRUE(boxOpenAtSessionEnd);
}

TEST(Clock, SkipsItsOwnTicksWhileItsAlarmHandlerRuns) {
  // A day passes, with the alarm's window, while the handler of the first alarm waits in a
  // nested message loop: one tick at a time, so the alarm does not go off inside itself.
  vcl::TDateTime today = vcl::EncodeDate(2026, 12, 11);
  vcl::TDateTime now = today + vcl::EncodeTime(12, 0, 0, 0);
  TRxClock clock(nullptr, "RxClock1");
  clock.SetTimeSource([&now] { return now; });
  int alarms = 0;
  clock.OnAlarm = [&](vcl::TObject*) {
    if (++alarms > 1) return;
    now = today + 1 + vcl::EncodeTime(0, 0, 1, 0);
    PumpFor(1000);
    now = today + 1 + vcl::EncodeTime(12, 0, 31, 0);
    PumpFor(1000);
  };
  clock.SetAlarmEnabled(true);
  clock.SetAlarmHour(12);
  clock.SetAlarmMinute(0);
  clock.SetAlarmSecond(30);
  now = today + vcl::EncodeTime(12, 0, 30, 0);
  ASSERT_TRUE(PumpUntil([&] { return alarms > 0; }, 3000));
  EXPECT_EQ(alarms, 1);
}

}  // namespace
