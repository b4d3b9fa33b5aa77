#include "tests/support/ProgramUnderTest.h"

#include <cstdlib>

namespace test_support {

std::string WindowsPath(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

std::string CalvorinExe() {
  const char* path = std::getenv("CALVORIN_EXE");
  return path != nullptr ? WindowsPath(path) : std::string("calvorin.exe");
}

bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    if (done()) return true;
    if (GetTickCount() - start > timeoutMs) return false;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(20);
  }
}

TProgramUnderTest::TProgramUnderTest(const std::string& executable, const std::string& arguments,
                                     DWORD creationFlags) {
  std::string commandLine = "\"" + executable + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, creationFlags, nullptr,
                     nullptr, &startup, &info)) {
    thread_ = info.hThread;
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
  } else {
    startError_ = GetLastError();
  }
}

TProgramUnderTest::~TProgramUnderTest() {
  if (thread_ != nullptr) CloseHandle(thread_);
  if (process_ == nullptr) return;
  if (Running()) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
}

bool TProgramUnderTest::Running() const {
  return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

void TProgramUnderTest::Resume() {
  if (thread_ != nullptr) ResumeThread(thread_);
}

bool TProgramUnderTest::WaitForExit(DWORD timeoutMs) {
  return process_ != nullptr && WaitForSingleObject(process_, timeoutMs) == WAIT_OBJECT_0;
}

DWORD TProgramUnderTest::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (process_ != nullptr) GetExitCodeProcess(process_, &code);
  return code;
}

HWND TProgramUnderTest::FindWindowOfClass(const char* className, const char* caption) const {
  for (HWND window : TopLevelWindowsOf(processId_)) {
    if (ClassNameOf(window) != className) continue;
    if (caption != nullptr && TextOf(window) != caption) continue;
    return window;
  }
  return nullptr;
}

HWND TProgramUnderTest::WaitForWindow(const char* className, const char* caption, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitUntil([&] { return (found = FindWindowOfClass(className, caption)) != nullptr; }, timeoutMs);
  return found;
}

HWND TProgramUnderTest::WaitUntilStarted(DWORD timeoutMs) {
  if (WaitForWindow("THelpForm", nullptr, timeoutMs) == nullptr) return nullptr;
  HWND application = FindWindowOfClass("TApplication", "Calvorin");
  // The message loop runs once the program answers messages.
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(application, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &answer);
  return application;
}

}  // namespace test_support
