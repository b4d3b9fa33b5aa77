#include "tests/e2e/OptionsDriver.h"

#include <commctrl.h>

#include "tests/support/ProgramUnderTest.h"
#include "tests/support/WindowQueries.h"

namespace test_support {

namespace {

// A SYSTEMTIME in the program's process, for the picker's messages.
class TRemoteSystemTime {
 public:
  explicit TRemoteSystemTime(HANDLE process)
      : process_(process),
        address_(VirtualAllocEx(process, nullptr, sizeof(SYSTEMTIME), MEM_COMMIT | MEM_RESERVE,
                                PAGE_READWRITE)) {}
  ~TRemoteSystemTime() { VirtualFreeEx(process_, address_, 0, MEM_RELEASE); }
  LPARAM Address() const { return reinterpret_cast<LPARAM>(address_); }
  void Write(const SYSTEMTIME& time) {
    WriteProcessMemory(process_, address_, &time, sizeof time, nullptr);
  }
  SYSTEMTIME Read() const {
    SYSTEMTIME time{};
    ReadProcessMemory(process_, address_, &time, sizeof time, nullptr);
    return time;
  }

 private:
  HANDLE process_;
  void* address_;
};

}  // namespace

vcl::TDateTime LocalNow() {
  SYSTEMTIME t;
  GetLocalTime(&t);
  return vcl::EncodeDateTime({t.wYear, t.wMonth, t.wDay},
                             {t.wHour, t.wMinute, t.wSecond, t.wMilliseconds});
}

double EpochMilliseconds(vcl::TDateTime local) {
  FILETIME utc;
  GetSystemTimeAsFileTime(&utc);
  vcl::TDateTime localNow = LocalNow();
  ULARGE_INTEGER ticks{{utc.dwLowDateTime, utc.dwHighDateTime}};
  double nowMs = static_cast<double>(ticks.QuadPart - 116444736000000000ULL) / 10000.0;
  return nowMs + (local - localNow) * vcl::kMSecsPerDay;
}

TOptionsDriver::TOptionsDriver(HANDLE process, DWORD processId, HWND form)
    : process_(process),
      processId_(processId),
      form_(form),
      hideStart_(FindDescendant(form, "Button", "Hide START Button")),
      shutdown_(FindDescendant(form, "Button", "SHUTDOWN computer")),
      warning_(FindDescendant(form, "Button", "Warn about shutdown for 5 minutes")),
      picker_(FindDescendant(form, DATETIMEPICK_CLASSA)),
      mode_(FindDescendant(form, "ComboBox")),
      apply_(FindDescendant(form, "Button", "Apply")) {}

void TOptionsDriver::ShowForm() {
  ShowWindow(form_, SW_SHOW);
  WaitUntil([this] { return FormVisible(); }, 5000);
}

bool TOptionsDriver::Checked(HWND box) const {
  return SendMessageA(box, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TOptionsDriver::SetChecked(HWND box, bool checked) {
  if (Checked(box) != checked) SendMessageA(box, BM_CLICK, 0, 0);
}

vcl::TTimeParts TOptionsDriver::PickerTime() const {
  TRemoteSystemTime remote(process_);
  SendMessageA(picker_, DTM_GETSYSTEMTIME, 0, remote.Address());
  SYSTEMTIME t = remote.Read();
  return {t.wHour, t.wMinute, t.wSecond, 0};
}

void TOptionsDriver::SetPickerTime(vcl::TDateTime timeOfDay) {
  TRemoteSystemTime remote(process_);
  SendMessageA(picker_, DTM_GETSYSTEMTIME, 0, remote.Address());
  SYSTEMTIME shown = remote.Read();
  vcl::TTimeParts time = vcl::DecodeTime(timeOfDay);
  shown.wHour = static_cast<WORD>(time.hour);
  shown.wMinute = static_cast<WORD>(time.minute);
  shown.wSecond = static_cast<WORD>(time.second);
  shown.wMilliseconds = 0;
  remote.Write(shown);
  SendMessageA(picker_, DTM_SETSYSTEMTIME, GDT_VALID, remote.Address());
}

int TOptionsDriver::Mode() const {
  return static_cast<int>(SendMessageA(mode_, CB_GETCURSEL, 0, 0));
}

void TOptionsDriver::SetMode(int index) {
  SendMessageA(mode_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TOptionsDriver::PressApply() {
  PostMessageA(apply_, BM_CLICK, 0, 0);
}

bool TOptionsDriver::WaitUntilArmed(int clocks, DWORD timeoutMs) const {
  return WaitUntil(
      [&] {
        int armed = 0;
        for (HWND window : TopLevelWindowsOf(processId_)) {
          if (ClassNameOf(window) == "TRxClockTimer") ++armed;
        }
        return armed >= clocks;
      },
      timeoutMs);
}

HWND TOptionsDriver::WaitForMessageBox(DWORD timeoutMs) const {
  HWND box = nullptr;
  WaitUntil(
      [&] {
        return (box = FirstVisibleOfClass(TopLevelWindowsOf(processId_), "#32770")) != nullptr;
      },
      timeoutMs);
  return box;
}

void TOptionsDriver::PressOk(HWND box) {
  PostMessageA(box, WM_COMMAND, IDOK, 0);
}

HWND StartButton() {
  HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
  return taskbar == nullptr ? nullptr : FindWindowExA(taskbar, nullptr, "Button", nullptr);
}

int StartButtonRegion() {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  int kind = GetWindowRgn(StartButton(), region);
  DeleteObject(region);
  return kind;
}

}  // namespace test_support
