// One running copy per session, and the start-with-Windows value, seen from outside: the real
// calvorin.exe started again and again, at once, after a kill, after an orderly exit, and as
// copies elsewhere and under other names.
#include <gtest/gtest.h>

#include <chrono>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/ProgramUnderTest.h"

namespace {

using test_support::CalvorinExe;
using test_support::TProgramUnderTest;

constexpr const char* kRunKey = R"(Software\Microsoft\Windows\CurrentVersion\Run)";
// Generous: a cold start under Wine on a busy machine has been seen to take several seconds.
constexpr DWORD kAFewSeconds = 30000;

struct TRunValue {
  DWORD type;
  std::string data;
  bool operator==(const TRunValue&) const = default;
};
using TRunValues = std::map<std::string, TRunValue>;

void PrintTo(const TRunValue& value, std::ostream* out) {
  *out << (value.type == REG_SZ          ? "REG_SZ "
           : value.type == REG_EXPAND_SZ ? "REG_EXPAND_SZ "
                                         : "?")
       << value.data;
}

TRunValues RunValues() {
  TRunValues values;
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return values;
  for (DWORD index = 0;; ++index) {
    char name[512];
    DWORD nameLength = sizeof name;
    BYTE data[2048];
    DWORD dataLength = sizeof data;
    DWORD type = 0;
    if (RegEnumValueA(key, index, name, &nameLength, nullptr, &type, data, &dataLength) !=
        ERROR_SUCCESS) {
      break;
    }
    std::string text(reinterpret_cast<char*>(data), dataLength);
    if (type == REG_SZ || type == REG_EXPAND_SZ) text = text.c_str();  // the stored zero
    values[name] = {type, text};
  }
  RegCloseKey(key);
  return values;
}

void SetRunValueToJunk(const std::string& name) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, kRunKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                            &key, nullptr),
            ERROR_SUCCESS);
  DWORD junk = 7;
  RegSetValueExA(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&junk),
                 sizeof junk);
  RegCloseKey(key);
}

// What the value holds for an executable: quoted when the path has a space.
TRunValue ExpectedValue(const std::string& path) {
  std::string data = path.find(' ') == std::string::npos ? path : "\"" + path + "\"";
  return {data.find('%') == std::string::npos ? DWORD{REG_SZ} : DWORD{REG_EXPAND_SZ}, data};
}

// Whether a process owns the running copy's mutex. Only asked while no start is under way: the
// question itself holds the mutex for a moment.
bool RunningCopyOwnsTheMutex() {
  HANDLE mutex =
      OpenMutexA(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, "Calvorin.OneInstance.Default");
  if (mutex == nullptr) return false;
  DWORD wait = WaitForSingleObject(mutex, 0);
  if (wait != WAIT_TIMEOUT) ReleaseMutex(mutex);
  CloseHandle(mutex);
  return wait == WAIT_TIMEOUT;
}

HWND ApplicationWindowOf(const TProgramUnderTest& program) {
  return program.FindWindowOfClass("TApplication", "Calvorin");
}

// A first start: it has come up, and is still there a while later.
void ExpectRunsAsTheFirst(TProgramUnderTest& program, const char* what) {
  ASSERT_NE(program.WaitUntilStarted(), nullptr) << what;
  EXPECT_FALSE(program.WaitForExit(1500)) << what;
  EXPECT_TRUE(RunningCopyOwnsTheMutex()) << what;
}

struct TSecondStart {
  bool ended = false;
  bool sawItsApplicationWindow = false;
  bool showedAWindow = false;
  DWORD exitCode = STILL_ACTIVE;
  double seconds = 0;
};

// Starts the program again and watches every top-level window of it until it ends.
TSecondStart StartAgain(const std::string& executable = CalvorinExe()) {
  TSecondStart result;
  TProgramUnderTest program(executable, "", CREATE_SUSPENDED);
  auto start = std::chrono::steady_clock::now();
  program.Resume();
  while (!(result.ended = program.WaitForExit(0))) {
    if (std::chrono::steady_clock::now() - start > std::chrono::milliseconds(kAFewSeconds)) break;
    for (HWND window : test_support::TopLevelWindowsOf(program.ProcessId())) {
      if (test_support::ClassNameOf(window) == "TApplication") {
        result.sawItsApplicationWindow = true;
      }
      if (IsWindowVisible(window)) result.showedAWindow = true;
    }
    Sleep(2);
  }
  result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  result.exitCode = program.ExitCode();
  return result;
}

void ExpectEndedWithoutShowingAnything(const TSecondStart& second, const char* what) {
  EXPECT_TRUE(second.ended) << what;
  EXPECT_EQ(second.exitCode, 0u) << what;
  EXPECT_TRUE(second.sawItsApplicationWindow) << what << ": it was watched while it ran";
  EXPECT_FALSE(second.showedAWindow) << what;
  std::printf("%s: the second start ended after %.2f s\n", what, second.seconds);
}

// A window of the test's own that holds the foreground, so that bringing forward shows.
class TForegroundHolder {
 public:
  TForegroundHolder() {
    window_ = CreateWindowExA(0, "STATIC", "holder", WS_POPUP | WS_VISIBLE | WS_BORDER, 600, 500,
                              200, 100, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetForegroundWindow(window_);
    test_support::WaitUntil([this] { return GetForegroundWindow() == window_; }, 3000);
  }
  ~TForegroundHolder() { DestroyWindow(window_); }
  HWND Handle() const { return window_; }

 private:
  HWND window_;
};

// The first copy is the foreground process, or its application window the active one.
bool BroughtForward(const TProgramUnderTest& first) {
  DWORD process = 0;
  GetWindowThreadProcessId(GetForegroundWindow(), &process);
  if (process == first.ProcessId()) return true;
  HWND application = ApplicationWindowOf(first);
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  return GetGUIThreadInfo(GetWindowThreadProcessId(application, nullptr), &info) &&
         info.hwndActive == application;
}

TEST(SingleInstance, ASecondStartEndsWithoutShowingAWindowAndBringsTheFirstForward) {
  TProgramUnderTest first;
  ExpectRunsAsTheFirst(first, "first");
  for (int round = 1; round <= 2; ++round) {
    if (round == 2) {
      // Nothing of the first copy shown, as when it sits in the notification area.
      for (HWND window : test_support::TopLevelWindowsOf(first.ProcessId())) {
        ShowWindow(window, SW_HIDE);
      }
    }
    TForegroundHolder holder;
    ASSERT_EQ(GetForegroundWindow(), holder.Handle());
    TSecondStart second = StartAgain();
    ExpectEndedWithoutShowingAnything(second, "second start");
    EXPECT_TRUE(test_support::WaitUntil([&] { return BroughtForward(first); }, 3000))
        << "round " << round;
    EXPECT_TRUE(first.Running());
  }
  EXPECT_TRUE(RunningCopyOwnsTheMutex());
}

TEST(SingleInstance, StartsAtPracticallyTheSameMomentLeaveExactlyOne) {
  constexpr int kStarts = 6;
  for (int round = 1; round <= 3; ++round) {
    std::vector<std::unique_ptr<TProgramUnderTest>> starts;
    for (int i = 0; i < kStarts; ++i) {
      starts.push_back(std::make_unique<TProgramUnderTest>(CalvorinExe(), "", CREATE_SUSPENDED));
      ASSERT_TRUE(starts.back()->Started())
          << "CreateProcess failed: " << starts.back()->StartError();
    }
    for (auto& start : starts) start->Resume();

    auto running = [&] {
      int count = 0;
      for (auto& start : starts) count += start->Running() ? 1 : 0;
      return count;
    };
    EXPECT_TRUE(test_support::WaitUntil([&] { return running() <= 1; }, 3 * kAFewSeconds));
    Sleep(1500);
    ASSERT_EQ(running(), 1) << "round " << round;
    for (auto& start : starts) {
      if (start->Running()) {
        EXPECT_NE(start->WaitUntilStarted(), nullptr);
        EXPECT_TRUE(RunningCopyOwnsTheMutex());
        PostMessageA(ApplicationWindowOf(*start), WM_CLOSE, 0, 0);
        EXPECT_TRUE(start->WaitForExit(kAFewSeconds));
      }
      EXPECT_EQ(start->ExitCode(), 0u);
    }
  }
}

TEST(SingleInstance, AfterTheFirstHasEndedTheNextStartIsTheFirst) {
  struct Case {
    const char* what;
    bool kill;
  };
  for (const Case& c : {Case{"killed", true}, Case{"orderly exit", false}}) {
    {
      TProgramUnderTest first;
      ExpectRunsAsTheFirst(first, c.what);
      if (c.kill) {
        TerminateProcess(first.Process(), 1);
      } else {
        PostMessageA(ApplicationWindowOf(first), WM_CLOSE, 0, 0);
      }
      ASSERT_TRUE(first.WaitForExit(kAFewSeconds)) << c.what;
    }
    TProgramUnderTest next;
    ExpectRunsAsTheFirst(next, c.what);
    ExpectEndedWithoutShowingAnything(StartAgain(), c.what);
    EXPECT_TRUE(next.Running()) << c.what;
  }
}

TEST(RunValue, WrittenAtEveryStartAndKeptAfterExit) {
  const std::string exe = CalvorinExe();
  const TRunValue expected = ExpectedValue(exe);
  for (int round = 1; round <= 2; ++round) {
    SetRunValueToJunk("calvorin.exe");
    TProgramUnderTest first;
    ASSERT_NE(first.WaitUntilStarted(), nullptr);
    EXPECT_EQ(RunValues()["calvorin.exe"], expected) << "round " << round;

    // A second start writes it too, before it ends.
    SetRunValueToJunk("calvorin.exe");
    ExpectEndedWithoutShowingAnything(StartAgain(), "second start");
    EXPECT_EQ(RunValues()["calvorin.exe"], expected) << "round " << round;

    PostMessageA(ApplicationWindowOf(first), WM_CLOSE, 0, 0);
    ASSERT_TRUE(first.WaitForExit(kAFewSeconds));
    EXPECT_EQ(RunValues()["calvorin.exe"], expected) << "after exit, round " << round;
  }
}

TEST(RunValue, CopiesInOtherFoldersAndUnderOtherNames) {
  struct Case {
    const char* what;
    const char* folder;
    const char* path;
    const char* name;
  };
  for (const Case& c : {
           Case{"another folder, with a space", R"(C:\Program Files\Calvorin Test)",
                R"(C:\Program Files\Calvorin Test\calvorin.exe)", "calvorin.exe"},
           Case{"another folder, with a percent sign", R"(C:\Tools\100%)",
                R"(C:\Tools\100%\calvorin.exe)", "calvorin.exe"},
           Case{"another file name", R"(C:\Tools)", R"(C:\Tools\Calvorin Copy.exe)",
                "Calvorin Copy.exe"},
           Case{"the old file name again", R"(C:\Tools)", R"(C:\Tools\calvorin.exe)",
                "calvorin.exe"},
       }) {
    CreateDirectoryA(R"(C:\Tools)", nullptr);
    CreateDirectoryA(c.folder, nullptr);
    ASSERT_TRUE(CopyFileA(CalvorinExe().c_str(), c.path, FALSE)) << c.what;
    TRunValues expected = RunValues();
    expected[c.name] = ExpectedValue(c.path);

    TProgramUnderTest copy(c.path);
    ExpectRunsAsTheFirst(copy, c.what);
    // Moved: the value of the same name now holds the new path. Renamed: a value of its own,
    // and the one under the old name stays.
    EXPECT_EQ(RunValues(), expected) << c.what;

    // The identity is the title, not the path.
    ExpectEndedWithoutShowingAnything(StartAgain(), c.what);
    EXPECT_TRUE(copy.Running()) << c.what;

    PostMessageA(ApplicationWindowOf(copy), WM_CLOSE, 0, 0);
    EXPECT_TRUE(copy.WaitForExit(kAFewSeconds)) << c.what;
  }
}

}  // namespace
