// The alarm clocks' cost and precision, measured on the user-interface thread:
//   1. wake-ups of the thread while nothing is armed: two bare clocks, then the whole program
//      with its three windows, as it sits in the tray after start;
//   2. the same with one clock armed, for comparison (one tick every 450 ms);
//   3. the delay from the start of the alarm second to OnAlarm, over a few runs.
// Usage: clock_bench.exe [idle seconds (default 10)] [alarm runs (default 8)]
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <vector>

#include "app/Calvorin.h"
#include "options/Unit1.h"
#include "platform/rx/Clock.h"
#include "platform/vcl/SysUtils.h"

namespace {

struct TWakeups {
  int wakeups = 0;                // returns from the wait with something to handle
  std::map<UINT, int> byMessage;  // messages taken from the queue, by message number
  int Timers() const {
    auto found = byMessage.find(WM_TIMER);
    return found == byMessage.end() ? 0 : found->second;
  }
};

// Runs this thread's message loop for a while, counting every time it wakes.
TWakeups CountWakeups(DWORD milliseconds) {
  TWakeups counted;
  const DWORD start = GetTickCount();
  for (;;) {
    DWORD elapsed = GetTickCount() - start;
    if (elapsed >= milliseconds) break;
    DWORD result = MsgWaitForMultipleObjectsEx(0, nullptr, milliseconds - elapsed, QS_ALLINPUT,
                                               MWMO_INPUTAVAILABLE);
    if (result != WAIT_OBJECT_0) continue;
    ++counted.wakeups;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      ++counted.byMessage[message.message];
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  return counted;
}

void Report(const char* what, const TWakeups& counted, double seconds) {
  std::printf("  %-44s %4d wake-ups (%.2f/s), %4d timer messages", what, counted.wakeups,
              counted.wakeups / seconds, counted.Timers());
  if (!counted.byMessage.empty()) {
    std::printf("; messages:");
    for (const auto& [message, count] : counted.byMessage)
      std::printf(" 0x%04X x%d", message, count);
  }
  std::printf("\n");
}

void Arm(rx::TRxClock& clock, vcl::TDateTime at) {
  vcl::TTimeParts parts = vcl::DecodeTime(at);
  clock.SetAlarmEnabled(true);
  clock.SetAlarmHour(parts.hour);
  clock.SetAlarmMinute(parts.minute);
  clock.SetAlarmSecond(parts.second);
}

// Arms a clock two seconds ahead, at a varying point of the current second, and returns the
// milliseconds from the start of the alarm second to OnAlarm.
double AlarmDelay(int run) {
  Sleep(static_cast<DWORD>((run * 173) % 1000));  // a different phase of the tick each run
  rx::TRxClock clock(nullptr, "RxClock1");
  vcl::TDateTime wentOff = 0;
  clock.OnAlarm = [&wentOff](vcl::TObject*) { wentOff = vcl::Now(); };
  vcl::TDateTime alarmSecond =
      std::floor(vcl::Now() / vcl::kOneSecond + 0.5e-3) * vcl::kOneSecond + 2 * vcl::kOneSecond;
  Arm(clock, alarmSecond);
  const DWORD start = GetTickCount();
  while (wentOff == 0 && GetTickCount() - start < 5000) CountWakeups(50);
  if (wentOff == 0) return -1;
  return (wentOff - alarmSecond) * vcl::kMSecsPerDay;
}

}  // namespace

int main(int argc, char** argv) {
  const int idleSeconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10;
  const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 8;
  const DWORD idleMs = static_cast<DWORD>(idleSeconds) * 1000;

  std::printf("Idle, nothing armed, %d s each:\n", idleSeconds);
  {
    rx::TRxClock sessionEnd(nullptr, "RxClock1", {.visible = false});
    rx::TRxClock warning(nullptr, "Warning_Clock", {.visible = false});
    CountWakeups(200);  // let start-up settle
    Report("two clocks, disarmed", CountWakeups(idleMs), idleSeconds);
  }
  {
    auto application = std::make_unique<vcl::TApplication>();
    StartProgram(*application);
    CountWakeups(1000);  // let start-up settle
    Report("the whole program after start", CountWakeups(idleMs), idleSeconds);

    std::printf("Armed, for comparison:\n");
    Arm(*Form1->RxClock1, vcl::Now() + 0.5);  // twelve hours ahead
    Report("the whole program, RxClock1 armed", CountWakeups(idleMs), idleSeconds);
    EndProgramTeardown(std::move(application));
  }

  std::printf("Delay from the start of the alarm second to OnAlarm, %d runs:\n", runs);
  std::vector<double> delays;
  for (int run = 0; run < runs; ++run) {
    double delay = AlarmDelay(run);
    std::printf("  run %d: %s%.0f ms\n", run + 1, delay < 0 ? "no alarm " : "", delay);
    if (delay >= 0) delays.push_back(delay);
  }
  if (!delays.empty()) {
    double sum = 0;
    for (double d : delays) sum += d;
    std::printf("  min %.0f ms, mean %.0f ms, max %.0f ms (tick 450 ms)\n",
                *std::min_element(delays.begin(), delays.end()), sum / delays.size(),
                *std::max_element(delays.begin(), delays.end()));
  }
  return 0;
}
