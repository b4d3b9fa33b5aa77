// startup_bench RUNS IDLE_SECONDS CALVORIN_EXE MINIMAL_EXE
//
// Starts calvorin.exe and a minimal tray program of the same shape, one after the other, and
// reports for each: the time from CreateProcess until its notification-area icon exists, its
// private memory once started, its CPU time while idle, and the size of its executable.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/support/ProgramUnderTest.h"
#include "tests/support/ShellProbe.h"

namespace {

struct TSample {
  double startMs = 0;
  double privateKb = 0;
};

// An icon of identifier 0 exists for one of the process's windows.
bool HasTrayIcon(DWORD processId) {
  for (HWND window : test_support::TopLevelWindowsOf(processId)) {
    if (test_support::TrayIconExists(window, 0)) return true;
  }
  return false;
}

void CloseProgram(DWORD processId) {
  for (HWND window : test_support::TopLevelWindowsOf(processId)) {
    std::string name = test_support::ClassNameOf(window);
    if (name == "TApplication" || name == "MinimalTray") {
      PostMessageA(window, WM_CLOSE, 0, 0);
      return;
    }
  }
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double CpuSeconds(HANDLE process) {
  FILETIME created, exited, kernel, user;
  GetProcessTimes(process, &created, &exited, &kernel, &user);
  auto value = [](FILETIME t) {
    return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
  };
  return (value(kernel) + value(user)) / 1e7;
}

struct TRun {
  TSample sample;
  double idleCpuSeconds = -1;
};

TRun RunOnce(const std::string& exe, int idleSeconds) {
  TRun run;
  LARGE_INTEGER begin, iconSeen;
  QueryPerformanceCounter(&begin);
  test_support::TProgramUnderTest program(exe);
  if (!program.Started()) {
    std::printf("cannot start %s (%lu)\n", exe.c_str(), program.StartError());
    std::exit(1);
  }
  while (!HasTrayIcon(program.ProcessId())) Sleep(1);
  QueryPerformanceCounter(&iconSeen);
  run.sample.startMs = Seconds(begin, iconSeen) * 1000;
  Sleep(1000);  // let start-up settle before reading memory
  PROCESS_MEMORY_COUNTERS_EX memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(program.Process(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                       sizeof memory);
  // The commit charge: what Windows reports as PrivateUsage too; Wine fills in only this field.
  run.sample.privateKb = static_cast<double>(memory.PagefileUsage) / 1024;
  if (idleSeconds > 0) {
    double before = CpuSeconds(program.Process());
    Sleep(static_cast<DWORD>(idleSeconds) * 1000);
    run.idleCpuSeconds = CpuSeconds(program.Process()) - before;
  }
  CloseProgram(program.ProcessId());
  program.WaitForExit(10000);  // one that does not end is ended when `program` goes
  return run;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

struct TFigures {
  double startMs, privateKb, idleCpuSeconds, sizeKb;
};

TFigures Measure(const std::string& exe, int runs, int idleSeconds) {
  std::vector<double> start, memory;
  double idle = 0;
  RunOnce(exe, 0);  // warm-up: the first start after the prefix went idle is slower
  for (int i = 0; i < runs; ++i) {
    TRun run = RunOnce(exe, i == 0 ? idleSeconds : 0);
    if (i == 0) idle = run.idleCpuSeconds;
    start.push_back(run.sample.startMs);
    memory.push_back(run.sample.privateKb);
    std::printf("  %s run %d: icon after %.1f ms, private memory %.0f KB\n", exe.c_str(), i + 1,
                run.sample.startMs, run.sample.privateKb);
  }
  WIN32_FILE_ATTRIBUTE_DATA attributes{};
  GetFileAttributesExA(exe.c_str(), GetFileExInfoStandard, &attributes);
  return {Median(start), Median(memory), idle, static_cast<double>(attributes.nFileSizeLow) / 1024};
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5) {
    std::printf("usage: startup_bench RUNS IDLE_SECONDS CALVORIN_EXE MINIMAL_EXE\n");
    return 2;
  }
  int runs = std::max(1, std::atoi(argv[1]));
  int idleSeconds = std::atoi(argv[2]);
  TFigures program = Measure(argv[3], runs, idleSeconds);
  TFigures minimal = Measure(argv[4], runs, idleSeconds);
  std::printf("\n%-28s %12s %12s %8s\n", "figure (median of runs)", "calvorin", "minimal", "ratio");
  std::printf("%-28s %12.1f %12.1f %8.2f\n", "start-up until icon, ms", program.startMs,
              minimal.startMs, program.startMs / minimal.startMs);
  std::printf("%-28s %12.0f %12.0f %8.2f\n", "private memory, KB", program.privateKb,
              minimal.privateKb, program.privateKb / minimal.privateKb);
  std::printf("%-28s %12.3f %12.3f\n", "CPU while idle, s", program.idleCpuSeconds,
              minimal.idleCpuSeconds);
  std::printf("%-28s %12.0f %12.0f\n", "executable size, KB", program.sizeKb, minimal.sizeKb);
  std::printf("(idle CPU over %d s; %d runs each after one warm-up)\n", idleSeconds, runs);
  return 0;
}
