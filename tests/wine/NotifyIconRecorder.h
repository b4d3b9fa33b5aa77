// Records the calls this executable makes to Shell_NotifyIconA, by taking the function's place in
// the executable's import table; each call is still passed on to the shell.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <string>
#include <vector>

namespace test_support {

struct TNotifyIconCall {
  DWORD command;  // NIM_ADD, NIM_DELETE, ...
  NOTIFYICONDATAA data;
  BOOL result;
};

class TNotifyIconRecorder {
 public:
  TNotifyIconRecorder();
  ~TNotifyIconRecorder();
  TNotifyIconRecorder(const TNotifyIconRecorder&) = delete;
  TNotifyIconRecorder& operator=(const TNotifyIconRecorder&) = delete;

  // Calls with the given commands (all of them when empty), in order.
  std::vector<TNotifyIconCall> Calls(std::vector<DWORD> commands = {NIM_ADD, NIM_DELETE}) const;
  // What happened, in order: "add" and "delete" for the calls, and whatever Note() was given.
  const std::vector<std::string>& Log() const { return log_; }
  void Note(const std::string& event) { log_.push_back(event); }
  void Clear();

  // Called at each recorded call, before it is passed on.
  std::function<void(const TNotifyIconCall&)> OnCall;

  // The shell's own function, for calls that are not to be recorded.
  static BOOL Original(DWORD command, NOTIFYICONDATAA* data);

 private:
  static BOOL WINAPI Replacement(DWORD command, PNOTIFYICONDATAA data);
  std::vector<TNotifyIconCall> calls_;
  std::vector<std::string> log_;
};

}  // namespace test_support
