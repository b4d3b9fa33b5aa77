// session_end_probe LOG: the program, started in this process, logs off a few seconds ahead and
// records every WM_QUERYENDSESSION and WM_ENDSESSION that its windows receive, to LOG (a Linux
// path), for tests/e2e/session-end.sh to read once the session, this process with it, has ended.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "app/Calvorin.h"
#include "options/Unit1.h"
#include "platform/abf/ComboBox.h"
#include "platform/rx/Clock.h"
#include "platform/vcl/Button.h"
#include "platform/vcl/CheckBox.h"
#include "platform/vcl/DateTimePicker.h"
#include "platform/vcl/SysUtils.h"

namespace {

FILE* logFile = nullptr;

LRESULT CALLBACK RecordEndSession(int code, WPARAM wParam, LPARAM lParam) {
  const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
  if (code == HC_ACTION &&
      (call->message == WM_QUERYENDSESSION || call->message == WM_ENDSESSION)) {
    char className[64] = {};
    GetClassNameA(call->hwnd, className, sizeof className);
    std::fprintf(logFile, "%s %s %llu\n",
                 call->message == WM_QUERYENDSESSION ? "WM_QUERYENDSESSION" : "WM_ENDSESSION",
                 className, static_cast<unsigned long long>(call->wParam));
    std::fflush(logFile);
  }
  return CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  std::string path = std::string("Z:") + argv[1];
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  logFile = std::fopen(path.c_str(), "w");
  if (logFile == nullptr) return 2;

  auto application = std::make_unique<vcl::TApplication>();
  StartProgram(*application);
  HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, &RecordEndSession, nullptr, GetCurrentThreadId());

  Form1->CheckBox3->SetChecked(true);
  Form1->Shutdown_mode->SetItemIndex(0);  // "LogOff"
  Form1->Shutdown_time->SetDateTime(vcl::Now() + 5 * vcl::kOneSecond);
  Form1->Show();
  SendMessageA(Form1->Button1->Handle(), BM_CLICK, 0, 0);
  std::fprintf(logFile, "armed %s\n", Form1->RxClock1->AlarmEnabled() ? "yes" : "no");
  std::fflush(logFile);

  application->Run();
  std::fprintf(logFile, "survived\n");
  std::fflush(logFile);
  UnhookWindowsHookEx(hook);
  EndProgramTeardown(std::move(application));
  return 1;
}
