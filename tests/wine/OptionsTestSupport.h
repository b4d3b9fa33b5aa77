// What the Options window's tests share: a fresh start of the module state (the program has it
// zero at start, but one test process starts the program many times), and clicks as a user
// makes them.
#pragma once

#include <windows.h>

#include "options/ShellControls.h"
#include "options/Unit1.h"
#include "platform/vcl/Controls.h"
#include "tests/wine/InProcess.h"

namespace test_support {

inline void ResetOptionsModuleState() {
  HideStart = false;
  HideIcons = false;
  DesktopIconView = nullptr;
  LastWidth = 0;
  LastHeight = 0;
  StartButtonLeftHidden = false;
  DesktopIconsLeftHidden = false;
}

// A click on a button or check box, through the control's own notification to its parent.
inline void Click(vcl::TWinControl* control) {
  SendMessageA(control->Handle(), BM_CLICK, 0, 0);
  PumpMessages();
}

// A program started with the module state as a new process has it.
class OptionsProgramTest : public ProgramTest {
 protected:
  void SetUp() override {
    ResetOptionsModuleState();
    ProgramTest::SetUp();
  }
};

}  // namespace test_support
