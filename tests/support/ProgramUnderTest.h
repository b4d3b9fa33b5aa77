// Drives the real calvorin.exe from outside: starts it in the test's Wine prefix, finds its
// windows, waits for it to end, and kills it if a test leaves it running.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "tests/support/WindowQueries.h"

namespace test_support {

// The executable under test: the Unix path in CALVORIN_EXE, as a Windows path.
std::string CalvorinExe();
// A Unix path as Wine's Z: drive sees it.
std::string WindowsPath(const std::string& unixPath);

// Calls `done` until it answers true, dispatching this thread's messages meanwhile.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000);

class TProgramUnderTest {
 public:
  // With CREATE_SUSPENDED the program waits for Resume().
  explicit TProgramUnderTest(const std::string& executable = CalvorinExe(),
                             const std::string& arguments = "", DWORD creationFlags = 0);
  ~TProgramUnderTest();
  TProgramUnderTest(const TProgramUnderTest&) = delete;
  TProgramUnderTest& operator=(const TProgramUnderTest&) = delete;

  DWORD ProcessId() const { return processId_; }
  HANDLE Process() const { return process_; }
  // Whether CreateProcess succeeded, and if not, why.
  bool Started() const { return process_ != nullptr; }
  DWORD StartError() const { return startError_; }
  bool Running() const;
  void Resume();
  // Waits for the process to end; false if it still runs after the time-out.
  bool WaitForExit(DWORD timeoutMs = 10000);
  DWORD ExitCode() const;

  // The program's top-level window of a class (and caption, if given), waiting for it to appear.
  HWND WaitForWindow(const char* className, const char* caption = nullptr, DWORD timeoutMs = 10000);
  HWND FindWindowOfClass(const char* className, const char* caption = nullptr) const;
  // The application window, class "TApplication", caption "Calvorin"; once it and the last of the
  // three windows exist, start-up has finished.
  HWND WaitUntilStarted(DWORD timeoutMs = 15000);

 private:
  HANDLE process_ = nullptr;
  HANDLE thread_ = nullptr;
  DWORD processId_ = 0;
  DWORD startError_ = 0;
};

}  // namespace test_support
