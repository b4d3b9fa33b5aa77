// The session-end component: its settings, the privilege step and the question before the end.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
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

// Points this executable's import of user32's ExitWindowsEx at a recorder for its lifetime, so
// that the component's call can be seen without ending the session.
class TExitWindowsRecorder {
 public:
  TExitWindowsRecorder() : slot_(ImportSlot("ExitWindowsEx")) {
    calls_.clear();
    if (slot_ != nullptr) original_ = Patch(reinterpret_cast<ULONG_PTR>(&Record));
  }
  ~TExitWindowsRecorder() {
    if (slot_ != nullptr) Patch(original_);
  }
  // Checked before any call: a real ExitWindowsEx would end the test's own session.
  bool Installed() const {
    return slot_ != nullptr && *slot_ == reinterpret_cast<ULONG_PTR>(&Record);
  }
  static const std::vector<UINT>& Calls() { return calls_; }

 private:
  static BOOL WINAPI Record(UINT flags, DWORD) {
    calls_.push_back(flags);
    return FALSE;
  }

  static ULONG_PTR* ImportSlot(const char* function) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* dll = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
         dll->Name != 0; ++dll) {
      if (_stricmp(reinterpret_cast<const char*>(base + dll->Name), "user32.dll") != 0) continue;
      auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->OriginalFirstThunk);
      auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk);
      for (; names->u1.AddressOfData != 0; ++names, ++slots) {
        if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
        auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
        if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0) {
          return reinterpret_cast<ULONG_PTR*>(&slots->u1.Function);
        }
      }
    }
    return nullptr;
  }

  ULONG_PTR Patch(ULONG_PTR value) {
    DWORD protection = 0;
    VirtualProtect(slot_, sizeof *slot_, PAGE_READWRITE, &protection);
    ULONG_PTR previous = *slot_;
    *slot_ = value;
    VirtualProtect(slot_, sizeof *slot_, protection, &protection);
    return previous;
  }

  static inline std::vector<UINT> calls_;
  ULONG_PTR* slot_;
  ULONG_PTR original_ = 0;
};

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

TEST(ShutdownComponent, EndsTheSessionWithTheFlagOfItsActionAndForceOnlyWhenAsked) {
  TExitWindowsRecorder recorder;
  ASSERT_TRUE(recorder.Installed());
  struct Case {
    TabfShutdownActionType action;
    bool force;
    UINT flags;
  };
  for (const Case& c : {
           Case{TabfShutdownActionType::aatLogOff, false, EWX_LOGOFF},
           Case{TabfShutdownActionType::aatShutdown, false, EWX_SHUTDOWN},
           Case{TabfShutdownActionType::aatPowerOff, false, EWX_POWEROFF},
           Case{TabfShutdownActionType::aatReboot, false, EWX_REBOOT},
           Case{TabfShutdownActionType::aatLogOff, true, EWX_LOGOFF | EWX_FORCE},
       }) {
    SCOPED_TRACE(static_cast<int>(c.action));
    TabfShutdown shutdown(nullptr, "abfShutdown1");
    shutdown.SetActionType(c.action);
    shutdown.SetForce(c.force);
    std::size_t before = TExitWindowsRecorder::Calls().size();
    EXPECT_FALSE(shutdown.Execute());  // the recorder refuses, and that is reported
    ASSERT_EQ(TExitWindowsRecorder::Calls().size(), before + 1);
    EXPECT_EQ(TExitWindowsRecorder::Calls().back(), c.flags);
  }
}

}  // namespace
