// The shutdown scheduler of the real calvorin.exe, driven from outside through its Options window.
#include <windows.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "tests/e2e/OptionsDriver.h"
#include "tests/support/ProgramUnderTest.h"

namespace {

using test_support::LocalNow;
using test_support::MessageBoxText;
using test_support::TOptionsDriver;
using test_support::TProgramUnderTest;
using test_support::WaitUntil;
using test_support::WideTextOf;
using vcl::kOneMinute;
using vcl::kOneSecond;

const std::wstring kWarningText = L"\u0421omputer will is SHUTDOWN in 5 minutes!";

// The start of the whole second in which `moment` falls.
vcl::TDateTime SecondOf(vcl::TDateTime moment) {
  return std::floor(moment / kOneSecond + 1e-6) * kOneSecond;
}

bool SameTime(vcl::TTimeParts a, vcl::TTimeParts b) {
  return a.hour == b.hour && a.minute == b.minute && a.second == b.second;
}

// The program started, its Options window found and shown.
class SchedulerProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(program_.WaitUntilStarted(), nullptr);
    HWND form = program_.FindWindowOfClass("TForm1", "Options");
    ASSERT_NE(form, nullptr);
    driver_.emplace(program_.Process(), program_.ProcessId(), form);
    driver_->ShowForm();
  }
  // Closing the main form ends the program the regular way, which puts the shell back.
  void TearDown() override {
    if (!program_.Running()) return;
    PostMessageA(driver_->Form(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(program_.WaitForExit());
  }
  // Milliseconds from the start of the second of `moment` to now.
  static double MillisecondsAfter(vcl::TDateTime moment) {
    return (LocalNow() - SecondOf(moment)) * vcl::kMSecsPerDay;
  }

  TProgramUnderTest program_;
  std::optional<TOptionsDriver> driver_;
};

TEST_F(SchedulerProgram, RefusedTimeShowsTheMessageThenTheWindowAgainAndTheShellStepStillRuns) {
  ASSERT_NE(test_support::StartButton(), nullptr);
  ASSERT_NE(test_support::StartButtonRegion(), NULLREGION);
  TOptionsDriver& d = *driver_;
  d.SetChecked(d.HideStartBox(), true);
  d.SetChecked(d.ShutdownBox(), true);
  d.SetChecked(d.WarningBox(), true);
  vcl::TDateTime past = LocalNow() - 1 * kOneMinute;
  d.SetPickerTime(past);
  d.SetMode(0);
  d.PressApply();

  HWND box = d.WaitForMessageBox(5000);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(WideTextOf(box), L"Information");
  EXPECT_EQ(MessageBoxText(box), L"Wrong time of shutdown is stated");
  EXPECT_FALSE(d.FormVisible());
  // The shell step follows the message, once it is closed.
  EXPECT_NE(test_support::StartButtonRegion(), NULLREGION);

  TOptionsDriver::PressOk(box);
  ASSERT_TRUE(WaitUntil([&] { return d.FormVisible(); }, 5000));
  EXPECT_TRUE(d.Checked(d.HideStartBox()));
  EXPECT_TRUE(d.Checked(d.ShutdownBox()));
  EXPECT_TRUE(d.Checked(d.WarningBox()));
  EXPECT_TRUE(SameTime(d.PickerTime(), vcl::DecodeTime(past)));
  EXPECT_EQ(d.Mode(), 0);
  EXPECT_TRUE(WaitUntil([] { return test_support::StartButtonRegion() == NULLREGION; }, 5000));
}

TEST_F(SchedulerProgram, WarningAppearsAtTheWarningSecondWithItsText) {
  TOptionsDriver& d = *driver_;
  d.SetChecked(d.ShutdownBox(), true);
  d.SetChecked(d.WarningBox(), true);
  d.SetMode(-1);  // no session end, should the program outlive the test
  vcl::TDateTime chosen = LocalNow() + 5 * kOneMinute + 4 * kOneSecond;
  d.SetPickerTime(chosen);
  d.PressApply();

  HWND box = d.WaitForMessageBox(10000);
  ASSERT_NE(box, nullptr);
  double late = MillisecondsAfter(chosen - 5 * kOneMinute);
  EXPECT_EQ(WideTextOf(box), L"Information");
  EXPECT_EQ(MessageBoxText(box), kWarningText);
  // Within the warning second or just after it: a tick comes every 450 ms.
  EXPECT_GE(late, 0);
  EXPECT_LT(late, 1500);
  TOptionsDriver::PressOk(box);
  EXPECT_TRUE(WaitUntil([&] { return d.WaitForMessageBox(0) == nullptr; }, 3000));
}

// Runs in a prefix of its own: had the mode been read at Apply, the session would end.
TEST_F(SchedulerProgram, TheModeIsReadWhenTheAlarmGoesOffNotAtApply) {
  TOptionsDriver& d = *driver_;
  d.SetChecked(d.ShutdownBox(), true);
  d.SetMode(0);
  vcl::TDateTime chosen = LocalNow() + 6 * kOneSecond;
  d.SetPickerTime(chosen);
  d.PressApply();
  ASSERT_TRUE(d.WaitUntilArmed(1));
  d.SetMode(-1);  // no item selected when the alarm goes off: nothing happens
  WaitUntil([&] { return MillisecondsAfter(chosen) > 3000; }, 15000);
  EXPECT_TRUE(program_.Running());
  DWORD_PTR answer = 0;
  EXPECT_NE(SendMessageTimeoutA(d.Form(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer), 0);
}

// The driver of tests/e2e/session-end.sh, which starts calvorin.exe itself and watches from
// Linux when its process ends. Two Applies: the first, with the warning, arms the
// warning clock a few seconds ahead (and the session end five minutes later); the second,
// without the warning, moves the session end to a few seconds after the warning. The warning box
// is left open. Every step goes to the log, as milliseconds since 1970.
TEST(SessionEnd, DISABLED_LogOffWhileTheWarningIsOpen) {
  const char* logPath = std::getenv("CALVORIN_SESSION_LOG");
  ASSERT_NE(logPath, nullptr);
  FILE* log = std::fopen(test_support::WindowsPath(logPath).c_str(), "a");
  ASSERT_NE(log, nullptr);
  auto note = [log](const char* what, double epochMs) {
    std::fprintf(log, "%s %.0f\n", what, epochMs);
    std::fflush(log);
  };

  // Started once the last of the three windows exists and the message loop answers.
  ASSERT_TRUE(WaitUntil([] { return FindWindowA("THelpForm", nullptr) != nullptr; }, 30000));
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(FindWindowA("TApplication", "Calvorin"), WM_NULL, 0, 0, SMTO_NORMAL, 10000,
                      &answer);
  HWND form = FindWindowA("TForm1", "Options");
  ASSERT_NE(form, nullptr);
  DWORD processId = 0;
  GetWindowThreadProcessId(form, &processId);
  HANDLE process = OpenProcess(PROCESS_ALL_ACCESS, FALSE, processId);
  ASSERT_NE(process, nullptr);
  TOptionsDriver d(process, processId, form);

  vcl::TDateTime start = LocalNow();
  vcl::TDateTime warningAt = SecondOf(start) + 10 * kOneSecond;
  vcl::TDateTime sessionEndAt = SecondOf(start) + 14 * kOneSecond;
  d.ShowForm();
  d.SetChecked(d.ShutdownBox(), true);
  d.SetChecked(d.WarningBox(), true);
  d.SetMode(0);
  d.SetPickerTime(warningAt + 5 * kOneMinute);
  d.PressApply();
  ASSERT_TRUE(d.WaitUntilArmed(2));
  d.ShowForm();
  d.SetChecked(d.WarningBox(), false);
  d.SetPickerTime(sessionEndAt);
  d.PressApply();
  // Nothing more is sent to the program, which reads the picker once it has hidden the window.
  ASSERT_TRUE(WaitUntil([&] { return !d.FormVisible(); }, 5000));
  ASSERT_LT(LocalNow(), warningAt) << "the driver was too slow";
  note("warning-second", test_support::EpochMilliseconds(warningAt));
  note("session-end-second", test_support::EpochMilliseconds(sessionEndAt));

  HWND box = d.WaitForMessageBox(15000);
  ASSERT_NE(box, nullptr);
  note("warning-open", test_support::EpochMilliseconds(LocalNow()));
  note(MessageBoxText(box) == kWarningText ? "warning-text-as-specified" : "warning-text-wrong", 0);
  // Wine's session end ends the processes that have windows; this one has none and watches the
  // program end, the warning box open until then.
  double lastSeenOpen = 0;
  bool ended = false;
  while (!ended && LocalNow() < sessionEndAt + 30 * kOneSecond) {
    ended = WaitForSingleObject(process, 10) == WAIT_OBJECT_0;
    if (!ended && IsWindow(box)) lastSeenOpen = test_support::EpochMilliseconds(LocalNow());
  }
  note("warning-last-seen-open", lastSeenOpen);
  note(ended ? "program-ended" : "program-survived", test_support::EpochMilliseconds(LocalNow()));
  EXPECT_TRUE(ended) << "the session did not end";
  CloseHandle(process);
}

}  // namespace
