// Menus: items with a caption, an image and a click handler, and the popup menu that shows them.
// The popup menu builds its Windows menu from its items and tracks it with a hidden window of its
// own, which receives the chosen command and, for menus that draw their own items, the
// measurement and drawing requests.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/vcl/Classes.h"
#include "platform/vcl/Handles.h"
#include "platform/vcl/MessageWindow.h"

namespace vcl {

class TPopupMenu;

struct TMenuItemArgs {
  std::string caption;
  int imageIndex = -1;  // -1: no image
};

class TMenuItem : public TComponent {
 public:
  TMenuItem(TComponent* owner, std::string name, const TMenuItemArgs& args);
  ~TMenuItem() override;

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  int ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int index);
  // The identifier the item's command carries in WM_COMMAND; unique in the process.
  UINT Command() const { return command_; }
  TPopupMenu* Parent() const { return parent_; }

  // Raises OnClick, as choosing the item does.
  void Click();
  TNotifyEvent OnClick;

 private:
  friend class TPopupMenu;
  std::string caption_;
  int imageIndex_;
  UINT command_;
  TPopupMenu* parent_ = nullptr;
};

enum class TPopupAlignment { paLeft, paRight, paCenter };
enum class TTrackButton { tbRightButton, tbLeftButton };

class TPopupMenu : public TComponent {
 public:
  TPopupMenu(TComponent* owner, std::string name);
  ~TPopupMenu() override;

  // Appends an item; the item stays owned by its owner and leaves the menu when destroyed.
  void Add(TMenuItem* item);
  void Remove(TMenuItem* item);
  const std::vector<TMenuItem*>& Items() const { return items_; }
  TMenuItem* FindItem(UINT command) const;

  bool AutoPopup() const { return autoPopup_; }
  void SetAutoPopup(bool autoPopup) { autoPopup_ = autoPopup; }
  TPopupAlignment Alignment() const { return alignment_; }
  void SetAlignment(TPopupAlignment alignment) { alignment_ = alignment; }
  TTrackButton TrackButton() const { return trackButton_; }
  void SetTrackButton(TTrackButton button) { trackButton_ = button; }
  // The component that opened the menu last.
  TComponent* PopupComponent() const { return popupComponent_; }
  void SetPopupComponent(TComponent* component) { popupComponent_ = component; }

  // Opens the menu at a point on the screen; returns once it has closed. The chosen item's
  // OnClick runs when its command reaches the menu's window, after the menu has closed.
  virtual void Popup(int x, int y);

  // The Windows menu, built from the items when something has changed since.
  HMENU Handle();
  // The hidden window that receives the menu's commands and drawing requests.
  HWND WindowHandle() const { return window_->Handle(); }

  void Loaded() override;

 protected:
  friend class TMenuItem;
  // Whether the items are drawn by MeasureItem/DrawItem instead of by Windows.
  virtual bool IsOwnerDraw() const { return false; }
  virtual void MeasureItem(TMenuItem& /*item*/, MEASUREITEMSTRUCT& /*measure*/) {}
  virtual void DrawItem(TMenuItem& /*item*/, const DRAWITEMSTRUCT& /*draw*/) {}
  // The items or the way they are drawn have changed: rebuild before the next use.
  void Changed() { changed_ = true; }

 private:
  std::optional<LRESULT> WindowMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void Rebuild();

  std::vector<TMenuItem*> items_;
  bool autoPopup_ = true;
  TPopupAlignment alignment_ = TPopupAlignment::paLeft;
  TTrackButton trackButton_ = TTrackButton::tbRightButton;
  TComponent* popupComponent_ = nullptr;
  TUniqueMenu menu_;
  bool changed_ = true;
  std::unique_ptr<TMessageWindow> window_;
};

}  // namespace vcl
