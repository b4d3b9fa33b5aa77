// The shutdown branch of Apply and the two alarms of the Options window.
#include "options/Unit1.h"
#include "platform/abf/ComboBox.h"
#include "platform/abf/Shutdown.h"
#include "platform/rx/Clock.h"
#include "platform/vcl/CheckBox.h"
#include "platform/vcl/DateTimePicker.h"
#include "platform/vcl/Dialogs.h"
#include "platform/vcl/SysUtils.h"
#include "shutdown/ShutdownPlan.h"

namespace {

// Enabled first, then hour, minute and second, each of which recomputes the pending flag.
void Arm(rx::TRxClock& clock, const scheduler::TAlarmTime& at) {
  clock.SetAlarmEnabled(true);
  clock.SetAlarmHour(at.hour);
  clock.SetAlarmMinute(at.minute);
  clock.SetAlarmSecond(at.second);
}

}  // namespace

void TForm1::ScheduleShutdown() {
  if (!CheckBox3->Checked()) return;
  std::optional<scheduler::TShutdownPlan> plan =
      scheduler::PlanShutdown(vcl::Now(), Shutdown_time->DateTime());
  if (!plan) {
    vcl::ShowInformation(L"Wrong time of shutdown is stated");
    Show();
    return;
  }
  Arm(*RxClock1, plan->sessionEnd);
  if (Shutdown_warning->Checked()) Arm(*Warning_Clock, plan->warning);
}

void TForm1::RxClock1Alarm(vcl::TObject*) {
  // The mode as it is now, not as it was at Apply.
  switch (Shutdown_mode->ItemIndex()) {
    case 0:
      abfShutdown1->SetActionType(abf::TabfShutdownActionType::aatLogOff);
      break;
    case 1:
      abfShutdown1->SetActionType(abf::TabfShutdownActionType::aatShutdown);
      break;
    default:
      return;
  }
  // Whether the session ends is not reported: if it does not, the program goes on, still armed.
  abfShutdown1->Execute();
}

void TForm1::Warning_ClockAlarm(vcl::TObject*) {
  // The first letter is the Cyrillic capital Es, which reads like a Latin C, as Unicode so that
  // it reads the same under every code page.
  vcl::ShowInformation(L"\u0421omputer will is SHUTDOWN in 5 minutes!");
}
