// Apply's shutdown branch and the two alarms, in the real Options window of a program started in
// the test's process. The session never ends here: a test that lets the alarm run the session
// end vetoes it through the component's question.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "options/Unit1.h"
#include "platform/abf/ComboBox.h"
#include "platform/abf/Shutdown.h"
#include "platform/rx/Clock.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/CheckBox.h"
#include "platform/vcl/DateTimePicker.h"
#include "platform/vcl/SysUtils.h"
#include "tests/wine/MessageBoxWatcher.h"
#include "tests/wine/OptionsTestSupport.h"

namespace {

using abf::TabfShutdownActionType;
using test_support::Click;
using test_support::PumpUntil;
using test_support::TMessageBoxSeen;
using test_support::TMessageBoxWatcher;
using vcl::kOneMinute;
using vcl::kOneSecond;

const wchar_t kWarningText[] = L"\u0421omputer will is SHUTDOWN in 5 minutes!";

struct TAlarmState {
  bool enabled;
  int hour, minute, second;
  bool operator==(const TAlarmState&) const = default;
};

TAlarmState StateOf(const rx::TRxClock& clock) {
  return {clock.AlarmEnabled(), clock.AlarmHour(), clock.AlarmMinute(), clock.AlarmSecond()};
}

TAlarmState ArmedAt(vcl::TDateTime moment) {
  vcl::TTimeParts t = vcl::DecodeTime(moment);
  return {true, t.hour, t.minute, t.second};
}

class Scheduler : public test_support::OptionsProgramTest {
 protected:
  // The user's edits: the time of day in the picker, the mode, the two boxes.
  void Choose(vcl::TDateTime timeOfDay, int mode, bool warn) {
    if (!Form1->CheckBox3->Checked()) Click(Form1->CheckBox3);
    Form1->Shutdown_time->SetDateTime(timeOfDay);
    Form1->Shutdown_mode->SetItemIndex(mode);
    if (Form1->Shutdown_warning->Checked() != warn) Click(Form1->Shutdown_warning);
  }
  void Apply() {
    Form1->Show();
    Click(Form1->Button1);
  }
  // Lets the session-end alarm run the real component, up to its question, and says no.
  void VetoSessionEnd() {
    Form1->abfShutdown1->OnQueryShutdown = [this](vcl::TObject*, bool& canShutdown) {
      asked_.push_back(Form1->abfShutdown1->ActionType());
      canShutdown = false;
    };
  }
  std::vector<TabfShutdownActionType> asked_;
};

TEST_F(Scheduler, ClocksStartDisarmedWithoutATick) {
  for (rx::TRxClock* clock : {Form1->RxClock1, Form1->Warning_Clock}) {
    EXPECT_EQ(StateOf(*clock), (TAlarmState{false, 0, 0, 0})) << clock->Name();
    EXPECT_FALSE(clock->Ticking()) << clock->Name();
    EXPECT_FALSE(clock->Visible()) << clock->Name();
  }
  EXPECT_EQ(Form1->abfShutdown1->ActionType(), TabfShutdownActionType::aatPowerOff);
}

TEST_F(Scheduler, ArmsTheSessionEndAndTheWarningFiveMinutesBeforeAndNothingDisarms) {
  vcl::TDateTime first = vcl::Now() + 60 * kOneMinute;
  Choose(first, 1, true);
  Apply();
  EXPECT_EQ(StateOf(*Form1->RxClock1), ArmedAt(first));
  EXPECT_EQ(StateOf(*Form1->Warning_Clock), ArmedAt(first - 5 * kOneMinute));
  EXPECT_TRUE(Form1->RxClock1->Ticking());
  EXPECT_FALSE(IsWindowVisible(Form1->Handle()));

  // A later Apply without the warning moves the session end; the warning keeps its time.
  vcl::TDateTime second = vcl::Now() + 90 * kOneMinute;
  Choose(second, 1, false);
  Apply();
  EXPECT_EQ(StateOf(*Form1->RxClock1), ArmedAt(second));
  EXPECT_EQ(StateOf(*Form1->Warning_Clock), ArmedAt(first - 5 * kOneMinute));

  // Apply with CheckBox3 unticked, and Cancel, leave both armed.
  Click(Form1->CheckBox3);
  Apply();
  Form1->Show();
  Click(Form1->Button2);
  EXPECT_EQ(StateOf(*Form1->RxClock1), ArmedAt(second));
  EXPECT_EQ(StateOf(*Form1->Warning_Clock), ArmedAt(first - 5 * kOneMinute));
}

TEST_F(Scheduler, ApplyWithCheckBox3UntickedArmsNothing) {
  Choose(vcl::Now() + 60 * kOneMinute, 1, true);
  Click(Form1->CheckBox3);
  Apply();
  EXPECT_EQ(StateOf(*Form1->RxClock1), (TAlarmState{false, 0, 0, 0}));
  EXPECT_EQ(StateOf(*Form1->Warning_Clock), (TAlarmState{false, 0, 0, 0}));
  EXPECT_FALSE(Form1->RxClock1->Ticking());
}

TEST_F(Scheduler, ThePickersOwnDateDoesNotCount) {
  // The picker was set days ago, as after a few days in the tray; the time of day is ahead.
  TMessageBoxWatcher boxes;
  vcl::TDateTime chosen = vcl::Now() + 30 * kOneMinute - 3;
  if (vcl::DecodeTime(chosen).hour == 0 && vcl::DecodeTime(vcl::Now()).hour == 23) {
    GTEST_SKIP() << "the chosen time of day would be tomorrow's";
  }
  Choose(chosen, 1, false);
  Apply();
  EXPECT_TRUE(boxes.Seen().empty());
  EXPECT_EQ(StateOf(*Form1->RxClock1), ArmedAt(chosen));
}

TEST_F(Scheduler, RefusesATimeNotLaterThanNowThenShowsTheWindowAgainWithTheUsersValues) {
  Choose(vcl::Now() - 1 * kOneMinute, 0, true);
  const vcl::TDateTime picked = Form1->Shutdown_time->DateTime();
  {
    TMessageBoxWatcher boxes(300);
    Apply();  // returns once the box has been closed
    std::vector<TMessageBoxSeen> seen = boxes.Seen();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].caption, L"Information");
    EXPECT_EQ(seen[0].text, L"Wrong time of shutdown is stated");
    EXPECT_EQ(seen[0].buttons, 1);
    EXPECT_FALSE(seen[0].optionsVisible);  // hidden by Apply before the check
    // Owned by the hidden application window, so that it has no taskbar button of its own.
    EXPECT_EQ(seen[0].owner, application_->Handle());
    EXPECT_TRUE(seen[0].foreground);
  }
  EXPECT_TRUE(IsWindowVisible(Form1->Handle()));
  EXPECT_TRUE(Form1->CheckBox3->Checked());
  EXPECT_TRUE(Form1->Shutdown_warning->Checked());
  EXPECT_EQ(Form1->Shutdown_mode->ItemIndex(), 0);
  EXPECT_EQ(Form1->Shutdown_time->DateTime(), picked);
  EXPECT_EQ(StateOf(*Form1->RxClock1), (TAlarmState{false, 0, 0, 0}));
  EXPECT_EQ(StateOf(*Form1->Warning_Clock), (TAlarmState{false, 0, 0, 0}));
}

TEST_F(Scheduler, ARefusedTimeLeavesAnEarlierScheduleArmed) {
  vcl::TDateTime armed = vcl::Now() + 60 * kOneMinute;
  Choose(armed, 1, true);
  Apply();
  TMessageBoxWatcher boxes(100);
  Choose(vcl::Now() - 10 * kOneSecond, 1, true);
  Apply();
  ASSERT_EQ(boxes.Seen().size(), 1u);
  EXPECT_EQ(StateOf(*Form1->RxClock1), ArmedAt(armed));
  EXPECT_EQ(StateOf(*Form1->Warning_Clock), ArmedAt(armed - 5 * kOneMinute));
}

TEST_F(Scheduler, WarningAppearsAtTheWarningSecondWithItsText) {
  TMessageBoxWatcher boxes(200);
  vcl::TDateTime chosen = vcl::Now() + 5 * kOneMinute + 3 * kOneSecond;
  Choose(chosen, -1, true);
  Apply();
  ASSERT_TRUE(PumpUntil([&] { return !boxes.Seen().empty(); }, 6000));
  TMessageBoxSeen seen = boxes.Seen()[0];
  EXPECT_EQ(seen.caption, L"Information");
  EXPECT_EQ(seen.text, kWarningText);
  EXPECT_EQ(seen.buttons, 1);
  EXPECT_EQ(seen.owner, application_->Handle());
  // Within the warning second or just after it: a tick comes every 450 ms.
  vcl::TDateTime warningSecond = std::floor(vcl::IncMinute(chosen, -5) / kOneSecond) * kOneSecond;
  double late = (seen.at - warningSecond) * vcl::kMSecsPerDay;
  EXPECT_GE(late, 0);
  EXPECT_LT(late, 1500);
  EXPECT_TRUE(PumpUntil([&] { return !Form1->Warning_Clock->AlarmPending(); }, 1000));
}

TEST_F(Scheduler, TheWarningBoxIsModalOverTheProgramsWindowsUntilClosed) {
  Form1->Show();
  TMessageBoxWatcher boxes(200);
  Form1->Warning_ClockAlarm(Form1->Warning_Clock);  // returns once the box is closed
  std::vector<TMessageBoxSeen> seen = boxes.Seen();
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_TRUE(seen[0].optionsVisible);
  EXPECT_FALSE(seen[0].optionsEnabled);
  EXPECT_TRUE(IsWindowEnabled(Form1->Handle()));
}

TEST_F(Scheduler, SessionEndAlarmGoesOffWhileTheWarningBoxIsOpen) {
  // The two alarms as Apply arms them, but two seconds apart rather than five minutes.
  TMessageBoxWatcher boxes(-1);
  VetoSessionEnd();
  bool warningOpenAtSessionEnd = false;
  Form1->abfShutdown1->OnQueryShutdown = [&](vcl::TObject*, bool& canShutdown) {
    asked_.push_back(Form1->abfShutdown1->ActionType());
    std::vector<TMessageBoxSeen> seen = boxes.Seen();
    warningOpenAtSessionEnd = seen.size() == 1 && seen[0].text == kWarningText;
    canShutdown = false;
    // Closes the warning, which is still open.
    HWND box = FindWindowW(nullptr, L"Information");
    if (box != nullptr) PostMessageA(box, WM_COMMAND, IDOK, 0);
  };
  Form1->Shutdown_mode->SetItemIndex(0);
  vcl::TDateTime now = vcl::Now();
  for (auto [clock, seconds] :
       {std::pair{Form1->Warning_Clock, 1}, std::pair{Form1->RxClock1, 3}}) {
    TAlarmState at = ArmedAt(now + seconds * kOneSecond);
    clock->SetAlarmEnabled(true);
    clock->SetAlarmHour(at.hour);
    clock->SetAlarmMinute(at.minute);
    clock->SetAlarmSecond(at.second);
  }
  ASSERT_TRUE(PumpUntil([&] { return !asked_.empty(); }, 8000));
  EXPECT_TRUE(warningOpenAtSessionEnd);
  EXPECT_EQ(asked_, std::vector<TabfShutdownActionType>{TabfShutdownActionType::aatLogOff});
}

TEST_F(Scheduler, TheModeIsReadWhenTheAlarmGoesOff) {
  struct Case {
    const char* what;
    int modeAtApply;
    int modeAtAlarm;
    std::vector<TabfShutdownActionType> asked;
  };
  for (const Case& c : {
           Case{
               "ShutDown at Apply, LogOff at the alarm", 1, 0, {TabfShutdownActionType::aatLogOff}},
           Case{"LogOff at Apply, ShutDown at the alarm",
                0,
                1,
                {TabfShutdownActionType::aatShutdown}},
           Case{"LogOff at Apply, no item at the alarm", 0, -1, {}},
       }) {
    SCOPED_TRACE(c.what);
    asked_.clear();
    VetoSessionEnd();
    Form1->abfShutdown1->SetActionType(TabfShutdownActionType::aatReboot);
    vcl::TDateTime chosen = vcl::Now() + 2 * kOneSecond;
    Choose(chosen, c.modeAtApply, false);
    Apply();
    ASSERT_TRUE(Form1->RxClock1->AlarmPending());
    Form1->Shutdown_mode->SetItemIndex(c.modeAtAlarm);
    ASSERT_TRUE(PumpUntil([&] { return !Form1->RxClock1->AlarmPending(); }, 5000));
    EXPECT_EQ(asked_, c.asked);
    if (c.asked.empty()) {
      EXPECT_EQ(Form1->abfShutdown1->ActionType(), TabfShutdownActionType::aatReboot);
    }
  }
}

}  // namespace
