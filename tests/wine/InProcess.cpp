#include "tests/wine/InProcess.h"

#include "app/Calvorin.h"

namespace test_support {

void PumpMessages() {
  if (vcl::Application != nullptr) {
    vcl::Application->ProcessMessages();
    return;
  }
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    PumpMessages();
    if (done()) return true;
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(10);
  }
}

void PumpFor(DWORD milliseconds) {
  DWORD start = GetTickCount();
  while (GetTickCount() - start < milliseconds) {
    PumpMessages();
    Sleep(10);
  }
}

void ProgramTest::SetUp() {
  application_ = std::make_unique<vcl::TApplication>();
  StartProgram(*application_);
  PumpMessages();
}

void ProgramTest::TearDown() {
  EndProgram();
}

void ProgramTest::EndProgram() {
  if (!application_) return;
  EndProgramTeardown(std::move(application_));
  // A quit message left by the program must not leak into the next test.
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
  }
}

}  // namespace test_support
