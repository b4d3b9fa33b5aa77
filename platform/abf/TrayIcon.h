// TabfTrayIcon: the program's icon in the notification area. It owns a hidden top-level window
// that receives the icon's mouse notifications and the shell's "TaskbarCreated" broadcast, and it
// hooks the application window to hide the main form into the tray when it is minimised.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <memory>
#include <optional>
#include <string>

#include "platform/vcl/Classes.h"
#include "platform/vcl/Handles.h"
#include "platform/vcl/MessageWindow.h"

namespace vcl {
class TPopupMenu;
}

namespace abf {

class TabfTrayIcon : public vcl::TComponent {
 public:
  // The message the notification area sends with the mouse message in lParam (WM_USER + 211).
  static constexpr UINT kCallbackMessage = 1235;
  // The class of the icon's own window.
  static constexpr const char* kWindowClass = "TabfTrayIconWindow";

  TabfTrayIcon(vcl::TComponent* owner, std::string name);
  ~TabfTrayIcon() override;

  // The picture: an icon resource of the executable, taken at the small icon size.
  void SetIcon(const char* resourceName);
  HICON IconHandle() const { return icon_.get(); }
  bool MinimizeToTray() const { return minimizeToTray_; }
  void SetMinimizeToTray(bool value) { minimizeToTray_ = value; }
  bool MinimizeOnStart() const { return minimizeOnStart_; }
  void SetMinimizeOnStart(bool value) { minimizeOnStart_ = value; }
  vcl::TPopupMenu* PopupMenu() const { return popupMenu_; }
  void SetPopupMenu(vcl::TPopupMenu* menu) { popupMenu_ = menu; }
  bool PopupByLeft() const { return popupByLeft_; }
  void SetPopupByLeft(bool value) { popupByLeft_ = value; }
  // The tooltip; both take effect the next time the icon is added.
  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& hint) { hint_ = hint; }
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool value) { showHint_ = value; }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool value) { enabled_ = value; }
  UINT IconID() const { return iconId_; }
  void SetIconID(UINT id) { iconId_ = id; }
  // Assigning true puts the icon into the notification area at once; false takes it away.
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);

  // The two basic steps; their results are not tested (a refused add leaves no icon until
  // the taskbar announces itself again).
  void InsertToTray();
  void DeleteFromTray();
  // Whether the icon was last added rather than deleted.
  bool IconShown() const { return shown_; }

  // The window that receives the notifications.
  HWND Handle() const { return window_->Handle(); }

  // Loading complete: with MinimizeOnStart the main form is not shown at start.
  void Loaded() override;

  // A left click (button down, then up) on the icon; a double click.
  vcl::TNotifyEvent OnClick;
  vcl::TNotifyEvent OnDblClick;

  // The registered "TaskbarCreated" message.
  static UINT TaskbarCreatedMessage();

 private:
  friend LRESULT CALLBACK ApplicationHookProcedure(HWND, UINT, WPARAM, LPARAM);

  std::optional<LRESULT> WindowMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // A message of the application window, looked at before it is passed on.
  void ApplicationMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void MouseNotification(UINT mouseMessage);
  void TaskbarRecreated();
  void PopupAtCursor();
  void MinimizeStep();
  void RestoreStep();
  void DoubleClick();
  void CallShell(DWORD command);
  HWND OwnerHandle() const;

  vcl::TUniqueIcon icon_;
  bool minimizeToTray_ = false;
  bool minimizeOnStart_ = false;
  vcl::TPopupMenu* popupMenu_ = nullptr;
  bool popupByLeft_ = false;
  std::string hint_;
  bool showHint_ = true;
  bool enabled_ = true;
  UINT iconId_ = 0;
  bool visible_ = false;
  bool shown_ = false;
  bool clickPending_ = false;
  bool menuOpen_ = false;
  bool destroying_ = false;
  UINT flags_ = NIF_MESSAGE | NIF_TIP;
  HWND hookedWindow_ = nullptr;
  std::unique_ptr<vcl::TMessageWindow> window_;
};

}  // namespace abf
