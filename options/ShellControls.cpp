#include "options/ShellControls.h"

#include "options/Unit1.h"
#include "platform/abf/StartButtonProperties.h"
#include "platform/vcl/Handles.h"

bool StartButtonLeftHidden = false;
bool DesktopIconsLeftHidden = false;

namespace {

// A restarted shell has a new icon view; the old handle then names no window.
HWND CurrentDesktopIconView() {
  if (!IsWindow(DesktopIconView)) DesktopIconView = LookUpDesktopIconView();
  return DesktopIconView;
}

}  // namespace

HWND LookUpDesktopIconView() {
  HWND desktop = FindWindowA("progman", nullptr);
  HWND child = GetWindow(desktop, GW_CHILD);
  return GetWindow(child, GW_CHILD);
}

void HideStartButton() {
  vcl::TUniqueRegion empty(CreateRectRgn(0, 0, 0, 0));
  HWND button = abf::FindStartButton();
  if (button == nullptr) return;
  // Once the button has taken the region it is the system's; otherwise it is deleted here.
  if (SetWindowRgn(button, empty.get(), TRUE)) empty.release();
}

void RestoreStartButton() {
  HWND button = abf::FindStartButton();
  if (button == nullptr) return;
  SetWindowRgn(button, nullptr, TRUE);
}

void HideDesktopIcons() {
  ShowWindow(CurrentDesktopIconView(), SW_HIDE);
}

void ShowDesktopIcons() {
  ShowWindow(CurrentDesktopIconView(), SW_SHOW);
}
