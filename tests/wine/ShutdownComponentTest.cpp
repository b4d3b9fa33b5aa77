// The session-end component: its settings, the privilege step and the question before the end.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "platform/abf/Shutdown.h"
#include "platform/vcl/Handles.h"
#include "platform/vcl/MessageWindow.h"
#include "tests/wine/InProcess.h"

namespace {

using abf::TabfShutdown;
using abf::TabfShutdownActionType;

// Whether SeShutdownPrivilege is enabled in this process's token; `enable` sets it first if given.
bool ShutdownPrivilegeEnabled(std::optional<bool> enable = std::nullopt) {
  HANDLE handle = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY | TOKEN_ADJUST_PRIVILEGES, &handle)) {
    ADD_FAILURE() << "no token";
    return false;
  }
  vcl::TUniqueKernelHandle token(handle);
  LUID shutdown{};
  LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege", &shutdown);
  if (enable) {
    TOKEN_PRIVILEGES change{1, {{shutdown, *enable ? SE_PRIVILEGE_ENABLED : 0u}}};
    AdjustTokenPrivileges(token.get(), FALSE, &change, 0, nullptr, nullptr);
  }
  DWORD size = 0;
  GetTokenInformation(token.get(), TokenPrivileges, nullptr, 0, &size);
  std::vector<BYTE> buffer(size);
  if (!GetTokenInformation(token.get(), TokenPrivileges, buffer.data(), size, &size)) return false;
  const auto* privileges = reinterpret_cast<const TOKEN_PRIVILEGES*>(buffer.data());
  for (DWORD i = 0; i < privileges->PrivilegeCount; ++i) {
    const LUID_AND_ATTRIBUTES& p = privileges->Privileges[i];
    if (p.Luid.LowPart == shutdown.LowPart && p.Luid.HighPart == shutdown.HighPart) {
      return (p.Attributes & SE_PRIVILEGE_ENABLED) != 0;
    }
  }
  return false;
}

TEST(ShutdownComponent, ActionTypesHaveTheirOrdinalsAndTheDefaultsArePowerOffWithoutForce) {
  static_assert(static_cast<int>(TabfShutdownActionType::aatPowerOff) == 0);
  static_assert(static_cast<int>(TabfShutdownActionType::aatShutdown) == 1);
  static_assert(static_cast<int>(TabfShutdownActionType::aatReboot) == 2);
  static_assert(static_cast<int>(TabfShutdownActionType::aatLogOff) == 3);
  static_assert(static_cast<int>(TabfShutdownActionType::aatSuspend) == 4);
  static_assert(static_cast<int>(TabfShutdownActionType::aatHibernate) == 5);
  TabfShutdown shutdown(nullptr, "abfShutdown1");
  EXPECT_EQ(shutdown.ActionType(), TabfShutdownActionType::aatPowerOff);
  EXPECT_FALSE(shutdown.Force());
  EXPECT_FALSE(shutdown.OnQueryShutdown);
}

TEST(ShutdownComponent, EnablesTheShutdownPrivilegeThenAsksAndAVetoStopsTheSessionEnd) {
  ShutdownPrivilegeEnabled(false);
  ASSERT_FALSE(ShutdownPrivilegeEnabled());

  // A window of ours would be asked first if the session were to end.
  int endSessionMessages = 0;
  vcl::TMessageWindow bystander({.className = "ShutdownTestBystander"},
                                [&](UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
                                  if (message == WM_QUERYENDSESSION || message == WM_ENDSESSION) {
                                    ++endSessionMessages;
                                  }
                                  return std::nullopt;
                                });
  for (TabfShutdownActionType action :
       {TabfShutdownActionType::aatLogOff, TabfShutdownActionType::aatShutdown}) {
    TabfShutdown shutdown(nullptr, "abfShutdown1");
    shutdown.SetActionType(action);
    std::vector<bool> asked;
    bool privilegeWhenAsked = false;
    vcl::TObject* sender = nullptr;
    shutdown.OnQueryShutdown = [&](vcl::TObject* s, bool& canShutdown) {
      asked.push_back(canShutdown);
      privilegeWhenAsked = ShutdownPrivilegeEnabled();
      sender = s;
      canShutdown = false;
    };
    EXPECT_FALSE(shutdown.Execute());
    EXPECT_EQ(asked, std::vector<bool>{true});
    EXPECT_TRUE(privilegeWhenAsked);
    EXPECT_EQ(sender, &shutdown);
    ShutdownPrivilegeEnabled(false);
  }
  test_support::PumpFor(2000);
  EXPECT_EQ(endSessionMessages, 0);
}

}  // namespace
