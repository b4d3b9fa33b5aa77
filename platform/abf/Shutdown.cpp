#include "platform/abf/Shutdown.h"

#include <windows.h>

#include "platform/vcl/Handles.h"

namespace abf {

namespace {

bool IsWindowsNT() {
  OSVERSIONINFOA version{};
  version.dwOSVersionInfoSize = sizeof version;
  return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

// Ending the session needs SeShutdownPrivilege enabled in the process token.
bool EnableShutdownPrivilege() {
  HANDLE tokenHandle = nullptr;
  {
    vcl::TUniqueKernelHandle process(OpenProcess(PROCESS_ALL_ACCESS, TRUE, GetCurrentProcessId()));
    if (!OpenProcessToken(process.get(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &tokenHandle)) {
      return false;
    }
  }
  vcl::TUniqueKernelHandle token(tokenHandle);
  TOKEN_PRIVILEGES privileges{};
  privileges.PrivilegeCount = 1;
  privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
  if (!LookupPrivilegeValueA("", "SeShutdownPrivilege", &privileges.Privileges[0].Luid)) {
    return false;
  }
  TOKEN_PRIVILEGES previous{};
  DWORD previousLength = 0;
  return AdjustTokenPrivileges(token.get(), FALSE, &privileges, sizeof previous, &previous,
                               &previousLength) != FALSE;
}

}  // namespace

TabfShutdown::TabfShutdown(vcl::TComponent* owner, std::string name)
    : vcl::TComponent(owner, std::move(name)) {}

bool TabfShutdown::Execute() {
  if (IsWindowsNT() && !EnableShutdownPrivilege()) return false;
  bool canShutdown = true;
  if (OnQueryShutdown) OnQueryShutdown(this, canShutdown);
  if (!canShutdown) return false;

  const UINT force = force_ ? EWX_FORCE : 0;
  switch (actionType_) {
    case TabfShutdownActionType::aatPowerOff:
      return ExitWindowsEx(EWX_POWEROFF | force, 0) != FALSE;
    case TabfShutdownActionType::aatShutdown:
      return ExitWindowsEx(EWX_SHUTDOWN | force, 0) != FALSE;
    case TabfShutdownActionType::aatReboot:
      return ExitWindowsEx(EWX_REBOOT | force, 0) != FALSE;
    case TabfShutdownActionType::aatLogOff:
      return ExitWindowsEx(EWX_LOGOFF | force, 0) != FALSE;
    case TabfShutdownActionType::aatSuspend:
      return SetSystemPowerState(TRUE, force_) != FALSE;
    case TabfShutdownActionType::aatHibernate:
      return SetSystemPowerState(FALSE, force_) != FALSE;
  }
  return false;
}

}  // namespace abf
