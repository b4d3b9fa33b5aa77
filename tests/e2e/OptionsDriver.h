// Drives the Options window of a running calvorin.exe from another process, as a user would:
// clicks, the time picker (through memory allocated in the program's process), the mode box,
// Apply; and reads back what the program shows, its message boxes included.
#pragma once

#include <windows.h>

#include <string>

#include "platform/vcl/DateUtils.h"

namespace test_support {

// The local date-time of this machine, and that moment in milliseconds since 1970 (UTC).
vcl::TDateTime LocalNow();
double EpochMilliseconds(vcl::TDateTime local);

class TOptionsDriver {
 public:
  // `process` needs PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE.
  TOptionsDriver(HANDLE process, DWORD processId, HWND form);

  HWND Form() const { return form_; }
  // Shows the window from outside, as the tray icon would.
  void ShowForm();
  bool FormVisible() const { return IsWindowVisible(form_) != FALSE; }

  bool Checked(HWND box) const;
  void SetChecked(HWND box, bool checked);  // a click when the mark differs
  HWND HideStartBox() const { return hideStart_; }
  HWND ShutdownBox() const { return shutdown_; }
  HWND WarningBox() const { return warning_; }

  // The time of day the picker shows; setting it keeps the picker's date as the program set it.
  vcl::TTimeParts PickerTime() const;
  void SetPickerTime(vcl::TDateTime timeOfDay);
  int Mode() const;
  void SetMode(int index);

  // Apply through a posted click: Apply may show a modal box, which a sent click would wait for.
  void PressApply();
  // Waits until `clocks` alarm clocks are armed, each with its tick window. Messages sent to the
  // program while Apply still runs may be handled inside it (Wine handles them while it hides a
  // window), so a driver that changes the controls after Apply first waits for this.
  bool WaitUntilArmed(int clocks, DWORD timeoutMs = 10000) const;

  // A message box of the program (read with WideTextOf and MessageBoxText), and its OK.
  HWND WaitForMessageBox(DWORD timeoutMs) const;
  static void PressOk(HWND box);

 private:
  HANDLE process_;
  DWORD processId_;
  HWND form_;
  HWND hideStart_, shutdown_, warning_, picker_, mode_, apply_;
};

// The taskbar's Start button, or null.
HWND StartButton();
// The kind of window region the Start button has: NULLREGION once hidden, ERROR for none.
int StartButtonRegion();

}  // namespace test_support
