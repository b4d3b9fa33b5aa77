// The single-instance check in this process, against other starts played by threads holding the
// named mutexes, and a stand-in for the running copy's application window.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <future>
#include <optional>
#include <string>
#include <thread>

#include "platform/abf/OneInstance.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Handles.h"
#include "platform/vcl/MessageWindow.h"
#include "platform/vcl/SysUtils.h"
#include "tests/wine/InProcess.h"

namespace {

enum class TMutexState { Missing, Free, Owned };

// Seen from another thread, as another process would see it.
TMutexState Probe(const std::string& name) {
  return std::async(std::launch::async,
                    [name] {
                      vcl::TUniqueKernelHandle mutex(
                          OpenMutexA(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, name.c_str()));
                      if (!mutex) return TMutexState::Missing;
                      DWORD wait = WaitForSingleObject(mutex.get(), 0);
                      if (wait == WAIT_TIMEOUT) return TMutexState::Owned;
                      ReleaseMutex(mutex.get());
                      return TMutexState::Free;
                    })
      .get();
}

// A named mutex owned by another thread, as by another start; abandoned when that thread ends
// without releasing it.
class THeldMutex {
 public:
  THeldMutex(const std::string& name, bool abandon)
      : stop_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
    std::promise<HANDLE> created;
    thread_ = std::thread([&created, name, abandon, stop = stop_.get()] {
      HANDLE mutex = CreateMutexA(nullptr, TRUE, name.c_str());
      created.set_value(mutex);
      if (abandon) return;
      WaitForSingleObject(stop, INFINITE);
      ReleaseMutex(mutex);
    });
    mutex_.reset(created.get_future().get());
    if (abandon) thread_.join();
  }
  ~THeldMutex() {
    SetEvent(stop_.get());
    if (thread_.joinable()) thread_.join();
  }

 private:
  vcl::TUniqueKernelHandle stop_;
  vcl::TUniqueKernelHandle mutex_;
  std::thread thread_;
};

// What another start, or something else in the session, holds when the check runs.
enum class TOther {
  Nothing,
  StartInItsCheck,           // owns the critical section
  RunningCopy,               // owns the Default mutex
  CopyEndedWithoutTeardown,  // left the Default mutex abandoned
  DefaultNameTaken,          // an object of another kind has the Default mutex's name
  CriticalSectionNameTaken,
};

class OneInstanceCheck : public ::testing::Test {
 protected:
  void SetUp() override {
    static int count = 0;
    // A title of its own, so that nothing left by another test or process counts.
    title_ =
        "InstanceCheck." + std::to_string(GetCurrentProcessId()) + "." + std::to_string(++count);
    application_ = std::make_unique<vcl::TApplication>();
    application_->SetTitle(title_);
  }
  void TearDown() override {
    abf::ReleaseInstanceMutex();
    form_.reset();
    application_.reset();
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
  }

  std::string Name(const char* suffix) const { return title_ + ".OneInstance." + suffix; }

  // Runs the check as the Options window's loading completes.
  abf::TabfOneInstance& Check(const std::function<void(abf::TabfOneInstance&)>& configure = {}) {
    form_ = std::make_unique<vcl::TComponent>(nullptr, "Form1");
    auto* instance =
        form_->Insert(std::make_unique<abf::TabfOneInstance>(form_.get(), "abfOneInstance1"));
    if (configure) configure(*instance);
    instance->Loaded();
    return *instance;
  }

  std::string title_;
  std::unique_ptr<vcl::TApplication> application_;
  std::unique_ptr<vcl::TComponent> form_;
};

TEST_F(OneInstanceCheck, DecidesFirstOrSecondStartFromTheTwoMutexes) {
  using enum TMutexState;
  struct Case {
    const char* what;
    TOther other;
    bool first;
    TMutexState defaultAfterCheck, criticalSectionAfterCheck, defaultAfterTeardown;
  };
  for (const Case& c : {
           Case{"nothing else", TOther::Nothing, true, Owned, Missing, Missing},
           Case{"a start in its check", TOther::StartInItsCheck, false, Missing, Owned, Missing},
           Case{"a running copy", TOther::RunningCopy, false, Owned, Missing, Owned},
           Case{"a copy ended without teardown", TOther::CopyEndedWithoutTeardown, true, Owned,
                Missing, Free},
           Case{"the Default name taken", TOther::DefaultNameTaken, true, Missing, Missing,
                Missing},
           Case{"the critical section's name taken", TOther::CriticalSectionNameTaken, false,
                Missing, Missing, Missing},
       }) {
    TearDown();
    SetUp();
    std::optional<THeldMutex> held;
    vcl::TUniqueKernelHandle event;
    switch (c.other) {
      case TOther::Nothing:
        break;
      case TOther::StartInItsCheck:
        held.emplace(Name("CriticalSection"), false);
        break;
      case TOther::RunningCopy:
        held.emplace(Name("Default"), false);
        break;
      case TOther::CopyEndedWithoutTeardown:
        held.emplace(Name("Default"), true);
        break;
      case TOther::DefaultNameTaken:
        event.reset(CreateEventA(nullptr, TRUE, FALSE, Name("Default").c_str()));
        break;
      case TOther::CriticalSectionNameTaken:
        event.reset(CreateEventA(nullptr, TRUE, FALSE, Name("CriticalSection").c_str()));
        break;
    }

    abf::TabfOneInstance& instance = Check();
    EXPECT_EQ(instance.PrevInstanceFound(), !c.first) << c.what;
    EXPECT_EQ(application_->ShowMainForm, c.first) << c.what;
    application_->ProcessMessages();
    EXPECT_EQ(application_->Terminated(), !c.first) << c.what;
    EXPECT_EQ(Probe(Name("Default")), c.defaultAfterCheck) << c.what;
    EXPECT_EQ(Probe(Name("CriticalSection")), c.criticalSectionAfterCheck) << c.what;

    // The program's last step.
    abf::ReleaseInstanceMutex();
    EXPECT_EQ(Probe(Name("Default")), c.defaultAfterTeardown) << c.what;
  }
}

TEST_F(OneInstanceCheck, TheExecutablesPathCanTakeThePlaceOfTheTitle) {
  std::string path = vcl::GetModuleName(nullptr);
  CharUpperBuffA(path.data(), static_cast<DWORD>(path.size()));
  std::replace(path.begin(), path.end(), '\\', '/');
  Check([](abf::TabfOneInstance& instance) {
    instance.SetExeNameAsIdentifier(true);
    instance.SetIdentifier(".x");
  });
  EXPECT_EQ(Probe(path + ".x.OneInstance.Default"), TMutexState::Owned);
  EXPECT_EQ(Probe(Name("Default")), TMutexState::Missing);
}

TEST_F(OneInstanceCheck, ASecondStartBringsTheRunningCopyForward) {
  struct Case {
    const char* what;
    bool minimised;
    bool activate;
  };
  for (const Case& c : {Case{"shown", false, true}, Case{"minimised", true, true},
                        Case{"not asked to", false, false}}) {
    TearDown();
    SetUp();
    THeldMutex running(Name("Default"), false);
    vcl::TMessageWindow first({.className = "TApplication",
                               .caption = title_.c_str(),
                               .style = WS_OVERLAPPEDWINDOW,
                               .bounds = {100, 100, 400, 300}},
                              nullptr);
    ShowWindow(first.Handle(), c.minimised ? SW_SHOWMINNOACTIVE : SW_SHOWNOACTIVATE);
    // Our own application window comes first in the search, and is passed over.
    SetWindowPos(first.Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_EQ(FindWindowExA(nullptr, nullptr, "TApplication", title_.c_str()),
              application_->Handle());
    vcl::TMessageWindow elsewhere({.className = "Elsewhere",
                                   .style = WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                   .bounds = {500, 100, 700, 300}},
                                  nullptr);
    SetForegroundWindow(elsewhere.Handle());
    ASSERT_EQ(GetForegroundWindow(), elsewhere.Handle()) << c.what;

    Check([&](abf::TabfOneInstance& instance) { instance.SetActivatePrevInstance(c.activate); });
    test_support::PumpFor(100);
    EXPECT_EQ(GetForegroundWindow(), c.activate ? first.Handle() : elsewhere.Handle()) << c.what;
    EXPECT_EQ(IsIconic(first.Handle()) != FALSE, c.minimised && !c.activate) << c.what;
    EXPECT_TRUE(application_->Terminated()) << c.what;
  }
}

TEST_F(OneInstanceCheck, ASecondStartCanTellTheUserFirst) {
  THeldMutex running(Name("Default"), false);
  // Reads and closes the message box once it is up; its loop runs this thread's timers.
  static std::string shown;
  shown.clear();
  UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
    HWND box = FindWindowA("#32770", "Information");
    if (box == nullptr) return;
    EnumChildWindows(
        box,
        [](HWND child, LPARAM) -> BOOL {
          char name[32] = {}, text[256] = {};
          GetClassNameA(child, name, sizeof name);
          GetWindowTextA(child, text, sizeof text);
          if (_stricmp(name, "Static") == 0 && text[0] != '\0') shown += text;
          return TRUE;
        },
        0);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
  });
  Check([](abf::TabfOneInstance& instance) { instance.SetShowMessage(true); });
  KillTimer(nullptr, timer);
  EXPECT_EQ(shown, title_ + " is already running.");
  application_->ProcessMessages();
  EXPECT_TRUE(application_->Terminated());
}

}  // namespace
