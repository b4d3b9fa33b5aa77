// Start with Windows, against a registry in memory: what is removed and written, when, where,
// and that a registry that refuses leaves the program running with nothing reported.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "options/Unit1.h"
#include "platform/abf/AutoRun.h"
#include "platform/abf/OneInstance.h"
#include "platform/vcl/SysUtils.h"
#include "tests/support/WindowQueries.h"
#include "tests/wine/FakeRegistry.h"
#include "tests/wine/InProcess.h"

namespace {

using test_support::TFakeRegistryInstalled;
using test_support::TFakeRegistryState;
using test_support::TRefusal;
using test_support::TStoredValue;

const std::string kRunKey = R"(Software\Microsoft\Windows\CurrentVersion\Run)";
const std::string kOpen =
    R"(open HKLM\Software\Microsoft\Windows\CurrentVersion\Run with full access)";
const std::string kCreate =
    R"(create HKLM\Software\Microsoft\Windows\CurrentVersion\Run with full access)";

class AutoRunComponent : public ::testing::Test {
 protected:
  abf::TabfAutoRun& NewComponent(const std::string& fileName) {
    auto* autoRun = owner_.Insert(std::make_unique<abf::TabfAutoRun>(&owner_, "abfAutoRun1"));
    autoRun->SetFileName(fileName);
    state_.log.clear();
    return *autoRun;
  }
  // The running executable's file name.
  static std::string RunValueName() {
    std::string path = vcl::GetModuleName(nullptr);
    return path.substr(path.find_last_of('\\') + 1);
  }
  std::map<std::string, TStoredValue>& Values(HKEY root = HKEY_LOCAL_MACHINE,
                                              const std::string& key = kRunKey) {
    return state_.keys[{root, key}];
  }

  TFakeRegistryState state_;
  TFakeRegistryInstalled installed_{state_};
  vcl::TComponent owner_{nullptr, "Form1"};
};

TEST_F(AutoRunComponent, EachStoreAndLoadWritesAfterRemovingTheOldValue) {
  struct Case {
    const char* path;
    const char* type;
    DWORD regType;
    const char* data;
  };
  for (const Case& c :
       {Case{R"(C:\Tools\calvorin.exe)", "REG_SZ ", REG_SZ, R"(C:\Tools\calvorin.exe)"},
        Case{R"(C:\Program Files\100%\calvorin.exe)", "REG_EXPAND_SZ ", REG_EXPAND_SZ,
             R"("C:\Program Files\100%\calvorin.exe")"}}) {
    abf::TabfAutoRun& autoRun = NewComponent(c.path);
    state_.keys.clear();
    Values()["calvorin.exe"] = {REG_SZ, R"(C:\Old\calvorin.exe)"};
    Values()["other.exe"] = {REG_SZ, R"(C:\other.exe)"};

    autoRun.SetAutoRun(true);  // as the stored value is read
    autoRun.Loaded();
    const std::string write = c.type + std::string("calvorin.exe = ") + c.data;
    const std::vector<std::string> expected = {
        // The assignment: Remove, then Apply (Remove and write).
        kOpen, "exists? calvorin.exe", "delete calvorin.exe",  //
        kOpen, "exists? calvorin.exe", kCreate, write,         //
        // Loading completes: Apply.
        kOpen, "exists? calvorin.exe", "delete calvorin.exe", kCreate, write};
    EXPECT_EQ(state_.log, expected) << c.path;
    EXPECT_EQ(Values()["calvorin.exe"], (TStoredValue{c.regType, c.data})) << c.path;
    EXPECT_EQ(Values()["other.exe"], (TStoredValue{REG_SZ, R"(C:\other.exe)"})) << c.path;
    EXPECT_TRUE(autoRun.AutoRun());
  }
}

TEST_F(AutoRunComponent, AMissingKeyIsCreatedOnlyToWrite) {
  abf::TabfAutoRun& autoRun = NewComponent(R"(C:\Tools\calvorin.exe)");
  autoRun.Remove();
  EXPECT_EQ(state_.log, std::vector<std::string>{kOpen});
  EXPECT_TRUE(state_.keys.empty());

  autoRun.SetAutoRun(true);
  EXPECT_EQ(Values(), (std::map<std::string, TStoredValue>{
                          {"calvorin.exe", {REG_SZ, R"(C:\Tools\calvorin.exe)"}}}));
}

TEST_F(AutoRunComponent, ChangingASettingTakesTheValueAwayFromWhereItWas) {
  abf::TabfAutoRun& autoRun = NewComponent(R"(C:\Tools\calvorin.exe)");
  autoRun.SetAutoRun(true);
  Values()["other.exe"] = {REG_SZ, R"(C:\other.exe)"};

  autoRun.SetFileName(R"(D:\Elsewhere\renamed.exe)");
  EXPECT_EQ(Values(), (std::map<std::string, TStoredValue>{
                          {"other.exe", {REG_SZ, R"(C:\other.exe)"}},
                          {"renamed.exe", {REG_SZ, R"(D:\Elsewhere\renamed.exe)"}}}));

  autoRun.SetKind(abf::TabfAutoExecKind::aekUserRun);
  EXPECT_FALSE(Values().contains("renamed.exe"));
  EXPECT_EQ(Values(HKEY_CURRENT_USER)["renamed.exe"],
            (TStoredValue{REG_SZ, R"(D:\Elsewhere\renamed.exe)"}));

  autoRun.SetAutoRun(false);
  EXPECT_FALSE(Values(HKEY_CURRENT_USER).contains("renamed.exe"));
  EXPECT_TRUE(Values().contains("other.exe"));
}

TEST_F(AutoRunComponent, NothingIsUndoneAtDestruction) {
  auto form = std::make_unique<vcl::TComponent>(nullptr, "Form1");
  form->Insert(std::make_unique<abf::TabfAutoRun>(form.get(), "abfAutoRun1"))->SetAutoRun(true);
  ASSERT_TRUE(Values().contains(RunValueName()));
  state_.log.clear();
  form.reset();
  EXPECT_TRUE(state_.log.empty());
  EXPECT_TRUE(Values().contains(RunValueName()));
}

// The whole program, started with a registry that refuses.
class RefusingRegistry : public test_support::ProgramTest,
                         public ::testing::WithParamInterface<TRefusal> {
 protected:
  void SetUp() override {
    state_.refusal = GetParam();
    installed_.emplace(state_);
    ProgramTest::SetUp();
  }
  void TearDown() override {
    ProgramTest::TearDown();
    installed_.reset();
  }

  TFakeRegistryState state_;
  std::optional<TFakeRegistryInstalled> installed_;
};

bool ProcessShowsADialog() {
  for (HWND window : test_support::TopLevelWindowsOf(GetCurrentProcessId())) {
    if (test_support::ClassNameOf(window) == "#32770") return true;
  }
  return false;
}

TEST_P(RefusingRegistry, LeavesTheProgramRunningWithNothingReported) {
  // Both writes were attempted: when the stored value was read, and when loading completed.
  EXPECT_EQ(std::count(state_.log.begin(), state_.log.end(), kCreate), 2);
  EXPECT_TRUE(Form1->abfAutoRun1->AutoRun());
  // Start-up went on: the single-instance check ran, and the program runs as the first.
  EXPECT_FALSE(Form1->abfOneInstance1->PrevInstanceFound());
  test_support::PumpFor(300);
  EXPECT_FALSE(application_->Terminated());
  EXPECT_FALSE(ProcessShowsADialog());
  Form1->Show();
  EXPECT_TRUE(IsWindowVisible(Form1->Handle()));
}

INSTANTIATE_TEST_SUITE_P(AutoRun, RefusingRegistry,
                         ::testing::Values(TRefusal::OpenKey, TRefusal::Write,
                                           TRefusal::OtherError),
                         [](const ::testing::TestParamInfo<TRefusal>& info) {
                           switch (info.param) {
                             case TRefusal::OpenKey:
                               return std::string("NoKeyOpens");
                             case TRefusal::Write:
                               return std::string("NoValueIsSet");
                             default:
                               return std::string("AnyOtherError");
                           }
                         });

}  // namespace
