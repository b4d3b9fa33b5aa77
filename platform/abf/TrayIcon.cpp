#include "platform/abf/TrayIcon.h"

#include <algorithm>
#include <vector>

#include "platform/vcl/Application.h"
#include "platform/vcl/Controls.h"
#include "platform/vcl/Graphics.h"
#include "platform/vcl/Menus.h"

namespace abf {

namespace {

// The application window's procedure, replaced while tray icons look at its messages. Several
// icons of one application share one hook; the last to go puts the old procedure back.
struct TApplicationHook {
  HWND window;
  WNDPROC previous;
  std::vector<TabfTrayIcon*> icons;
};

std::vector<TApplicationHook>& Hooks() {
  static std::vector<TApplicationHook> hooks;
  return hooks;
}

TApplicationHook* FindHook(HWND window) {
  for (TApplicationHook& hook : Hooks()) {
    if (hook.window == window) return &hook;
  }
  return nullptr;
}

}  // namespace

LRESULT CALLBACK ApplicationHookProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  TApplicationHook* hook = FindHook(window);
  if (hook == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  WNDPROC previous = hook->previous;
  // Looking at a message may end an icon's life (or add one): each is asked only while it is
  // still among the hook's icons.
  const std::vector<TabfTrayIcon*> icons = hook->icons;
  for (TabfTrayIcon* icon : icons) {
    TApplicationHook* current = FindHook(window);
    if (current != nullptr && std::ranges::find(current->icons, icon) != current->icons.end()) {
      icon->ApplicationMessage(message, wParam, lParam);
    }
  }
  if (message == WM_NCDESTROY) {
    if (TApplicationHook* current = FindHook(window)) {
      for (TabfTrayIcon* icon : current->icons) icon->hookedWindow_ = nullptr;
    }
    std::erase_if(Hooks(), [window](const TApplicationHook& h) { return h.window == window; });
  }
  return CallWindowProcA(previous, window, message, wParam, lParam);
}

UINT TabfTrayIcon::TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageA("TaskbarCreated");
  return message;
}

TabfTrayIcon::TabfTrayIcon(vcl::TComponent* owner, std::string name)
    : TComponent(owner, std::move(name)) {
  TaskbarCreatedMessage();
  // A top-level window, not a message-only one: only those receive the shell's broadcasts.
  window_ =
      std::make_unique<vcl::TMessageWindow>(vcl::TMessageWindow::TArgs{.className = kWindowClass},
                                            [this](UINT message, WPARAM wParam, LPARAM lParam) {
                                              return WindowMessage(message, wParam, lParam);
                                            });
  if (vcl::Application != nullptr && IsWindow(vcl::Application->Handle())) {
    hookedWindow_ = vcl::Application->Handle();
    if (TApplicationHook* hook = FindHook(hookedWindow_)) {
      hook->icons.push_back(this);
    } else {
      auto previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
          hookedWindow_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ApplicationHookProcedure)));
      Hooks().push_back({hookedWindow_, previous, {this}});
    }
  }
}

TabfTrayIcon::~TabfTrayIcon() {
  // Notifications that arrive while the shell is told to remove the icon find nothing to do.
  destroying_ = true;
  DeleteFromTray();
  if (TApplicationHook* hook = FindHook(hookedWindow_)) {
    std::erase(hook->icons, this);
    // The old procedure goes back only while the hook is the window's procedure; a procedure
    // installed after it still calls it, and it keeps passing messages on.
    if (hook->icons.empty() && reinterpret_cast<WNDPROC>(GetWindowLongPtrA(
                                   hookedWindow_, GWLP_WNDPROC)) == ApplicationHookProcedure) {
      SetWindowLongPtrA(hookedWindow_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(hook->previous));
      HWND window = hookedWindow_;
      std::erase_if(Hooks(), [window](const TApplicationHook& h) { return h.window == window; });
    }
  }
  window_.reset();
}

void TabfTrayIcon::SetIcon(const char* resourceName) {
  icon_ = vcl::LoadIconResource(resourceName, GetSystemMetrics(SM_CXSMICON));
}

void TabfTrayIcon::SetVisible(bool visible) {
  visible_ = visible;
  if (visible) {
    InsertToTray();
  } else {
    DeleteFromTray();
  }
}

void TabfTrayIcon::CallShell(DWORD command) {
  // Filled anew for every call, in its ANSI form.
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof data;
  data.hWnd = Handle();
  data.uID = iconId_;
  data.uFlags = flags_;
  data.uCallbackMessage = kCallbackMessage;
  data.hIcon = icon_.get();
  if (showHint_) hint_.copy(data.szTip, sizeof data.szTip - 1);
  Shell_NotifyIconA(command, &data);
}

void TabfTrayIcon::InsertToTray() {
  flags_ |= NIF_ICON;
  CallShell(NIM_ADD);
  shown_ = true;
}

void TabfTrayIcon::DeleteFromTray() {
  flags_ &= ~NIF_ICON;
  CallShell(NIM_DELETE);
  shown_ = false;
}

void TabfTrayIcon::Loaded() {
  TComponent::Loaded();
  if (minimizeOnStart_) {
    if (vcl::Application != nullptr) vcl::Application->ShowMainForm = false;
    MinimizeStep();
    if (!shown_) InsertToTray();
  }
  // Adding an icon that is already there is refused by the shell and changes nothing.
  if (shown_) InsertToTray();
}

HWND TabfTrayIcon::OwnerHandle() const {
  auto* owner = dynamic_cast<vcl::TWinControl*>(Owner());
  return owner != nullptr ? owner->Handle() : nullptr;
}

void TabfTrayIcon::MinimizeStep() {
  if (vcl::Application == nullptr) return;
  HWND application = vcl::Application->Handle();
  if (IsWindow(application) && IsWindowVisible(application)) ShowWindow(application, SW_HIDE);
  if (vcl::TForm* main = vcl::Application->MainForm()) main->Hide();
}

void TabfTrayIcon::RestoreStep() {
  if (vcl::Application == nullptr) return;
  // The application window is restored but not shown: visible, it would get a taskbar button
  // from shells that ignore its tool-window style.
  if (IsWindow(vcl::Application->Handle())) vcl::Application->Restore();
  if (vcl::TForm* main = vcl::Application->MainForm()) main->Show();
}

void TabfTrayIcon::DoubleClick() {
  if (OnDblClick) OnDblClick(this);
  if (!minimizeToTray_) return;
  HWND owner = OwnerHandle();
  if (owner != nullptr && IsWindowVisible(owner)) {
    MinimizeStep();
  } else {
    RestoreStep();
  }
}

void TabfTrayIcon::PopupAtCursor() {
  // One menu at a time: releases that arrive while it is open do not open another inside it.
  if (popupMenu_ == nullptr || !popupMenu_->AutoPopup() || menuOpen_) return;
  POINT at{0, 0};
  GetCursorPos(&at);
  vcl::TFlagScope open(menuOpen_);
  if (vcl::Application != nullptr) {
    vcl::Application->ProcessMessages();
    // A quit message among them ends the program; no menu opens on the way out.
    if (vcl::Application->Terminated()) return;
  }
  HWND owner = OwnerHandle();
  // The foreground window before the menu and WM_NULL after it let a click elsewhere close
  // the menu and the next click on the icon open it again.
  SetForegroundWindow(owner);
  popupMenu_->SetPopupComponent(this);
  popupMenu_->Popup(at.x, at.y);
  PostMessageA(owner, WM_NULL, 0, 0);
}

void TabfTrayIcon::MouseNotification(UINT mouseMessage) {
  switch (mouseMessage) {
    case WM_LBUTTONDOWN:
      clickPending_ = true;
      break;
    case WM_LBUTTONUP:
      SetForegroundWindow(OwnerHandle());
      if (clickPending_ && OnClick) OnClick(this);
      if (popupByLeft_) PopupAtCursor();
      clickPending_ = false;
      break;
    case WM_LBUTTONDBLCLK:
      DoubleClick();
      break;
    case WM_RBUTTONUP:
      SetForegroundWindow(OwnerHandle());
      PopupAtCursor();
      break;
    case WM_MBUTTONUP:
      SetForegroundWindow(OwnerHandle());
      break;
    default:
      break;
  }
}

void TabfTrayIcon::TaskbarRecreated() {
  DeleteFromTray();
  if (minimizeToTray_) RestoreStep();
  auto* owner = dynamic_cast<vcl::TForm*>(Owner());
  if (owner != nullptr && !IsWindowVisible(owner->Handle())) owner->Show();
  InsertToTray();
}

std::optional<LRESULT> TabfTrayIcon::WindowMessage(UINT message, WPARAM, LPARAM lParam) {
  if (message == kCallbackMessage) {
    if (enabled_ && !destroying_) MouseNotification(static_cast<UINT>(lParam));
    return 0;
  }
  if (message == TaskbarCreatedMessage()) {
    if (shown_ && !destroying_) TaskbarRecreated();
    return 0;
  }
  if (message == WM_QUERYENDSESSION) return TRUE;
  return std::nullopt;
}

void TabfTrayIcon::ApplicationMessage(UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_SIZE && wParam == SIZE_MINIMIZED && minimizeToTray_ && !destroying_) {
    MinimizeStep();
    if (!shown_) InsertToTray();
  }
}

}  // namespace abf
