#include "platform/abf/OneInstance.h"

#include <windows.h>

#include "platform/abf/InstanceNames.h"
#include "platform/vcl/Application.h"
#include "platform/vcl/Dialogs.h"
#include "platform/vcl/Handles.h"
#include "platform/vcl/SysUtils.h"

namespace abf {

namespace {

// Process-wide: what the check leaves open until the end of the program.
struct TInstanceHandles {
  vcl::TUniqueKernelHandle defaultMutex;
  bool ownsDefault = false;
  // A start that found another start in the middle of its check keeps this open, so that
  // starts meanwhile end too; it never owned it.
  vcl::TUniqueKernelHandle criticalSection;
};

TInstanceHandles& Held() {
  static TInstanceHandles held;
  return held;
}

std::string UpperCasePath(std::string path) {
  if (!path.empty()) CharUpperBuffA(path.data(), static_cast<DWORD>(path.size()));
  return path;
}

// Never waits: a start that finds the critical section taken counts as a second start.
bool IsFirstStart(const TInstanceNames& names) {
  TInstanceHandles& held = Held();
  SetLastError(ERROR_SUCCESS);
  HANDLE criticalSection = CreateMutexA(nullptr, TRUE, names.criticalSection.c_str());
  DWORD error = GetLastError();
  if (error != ERROR_SUCCESS || criticalSection == nullptr) {
    held.criticalSection.reset(criticalSection);
    return false;
  }
  vcl::TUniqueKernelHandle section(criticalSection);

  held.defaultMutex.reset(CreateMutexA(nullptr, FALSE, names.defaultMutex.c_str()));
  // A mutex that could not be created makes the wait fail: a first start without it.
  DWORD wait = WaitForSingleObject(held.defaultMutex.get(), 0);
  held.ownsDefault = wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED;
  ReleaseMutex(section.get());
  return wait != WAIT_TIMEOUT;
}

// The other copy's application window: same class, same title, not ours.
void BringPreviousForward(const vcl::TApplication& application) {
  const char* title = application.Title().c_str();
  HWND found = FindWindowExA(nullptr, nullptr, "TApplication", title);
  while (found != nullptr && found == application.Handle()) {
    found = FindWindowExA(nullptr, found, "TApplication", title);
  }
  if (!IsWindow(found)) return;
  if (IsIconic(found)) {
    OpenIcon(found);
  } else {
    SetForegroundWindow(found);
  }
}

std::wstring Widen(const std::string& text) {
  int length =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

}  // namespace

void TabfOneInstance::Loaded() {
  TComponent::Loaded();
  vcl::TApplication* application = vcl::Application;
  if (application == nullptr) return;
  std::string exeName = exeNameAsIdentifier_ ? UpperCasePath(vcl::GetModuleName(nullptr)) : "";
  TInstanceNames names = InstanceNames({.title = application->Title(),
                                        .identifier = identifier_,
                                        .exeNameAsIdentifier = exeNameAsIdentifier_,
                                        .exeName = exeName});
  if (IsFirstStart(names)) return;

  prevInstanceFound_ = true;
  application->ShowMainForm = false;
  if (showMessage_) {
    vcl::ShowInformation(Widen(application->Title()) + L" is already running.");
  }
  if (activatePrevInstance_) BringPreviousForward(*application);
  application->Terminate();
}

void ReleaseInstanceMutex() {
  TInstanceHandles& held = Held();
  if (held.ownsDefault) ReleaseMutex(held.defaultMutex.get());
  held.ownsDefault = false;
  held.defaultMutex.reset();
  held.criticalSection.reset();
}

}  // namespace abf
