// In-process tests under Wine: the program's windows and components, created in the test's own
// process exactly as the program entry creates them, and torn down as at exit.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "platform/vcl/Application.h"

namespace test_support {

// Handles this thread's waiting messages, through the application's own loop when one exists.
void PumpMessages();
// Pumps messages until `done` answers true or the time runs out.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);
// Pumps messages for a while.
void PumpFor(DWORD milliseconds);

// A running copy of the program inside the test process: application object, the three
// windows created by the program entry's steps, and at the end the program's own teardown.
class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Teardown as at exit, callable from a test that checks what exit does.
  void EndProgram();

  std::unique_ptr<vcl::TApplication> application_;
};

}  // namespace test_support
