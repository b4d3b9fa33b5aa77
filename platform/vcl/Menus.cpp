#include "platform/vcl/Menus.h"

#include <algorithm>

namespace vcl {

namespace {

UINT NextCommand() {
  // Zero is what TrackPopupMenu reports for "nothing chosen"; commands start above it.
  static UINT next = 1;
  return next++;
}

}  // namespace

TMenuItem::TMenuItem(TComponent* owner, std::string name, const TMenuItemArgs& args)
    : TComponent(owner, std::move(name)),
      caption_(args.caption),
      imageIndex_(args.imageIndex),
      command_(NextCommand()) {}

TMenuItem::~TMenuItem() {
  if (parent_ != nullptr) parent_->Remove(this);
}

void TMenuItem::SetCaption(const std::string& caption) {
  caption_ = caption;
  if (parent_ != nullptr) parent_->Changed();
}

void TMenuItem::SetImageIndex(int index) {
  imageIndex_ = index;
  if (parent_ != nullptr) parent_->Changed();
}

void TMenuItem::Click() {
  if (OnClick) OnClick(this);
}

TPopupMenu::TPopupMenu(TComponent* owner, std::string name)
    : TComponent(owner, std::move(name)),
      window_(std::make_unique<TMessageWindow>(TMessageWindow::TArgs{.className = "TPopupList"},
                                               [this](UINT message, WPARAM wParam, LPARAM lParam) {
                                                 return WindowMessage(message, wParam, lParam);
                                               })) {}

TPopupMenu::~TPopupMenu() {
  for (TMenuItem* item : items_) item->parent_ = nullptr;
}

void TPopupMenu::Add(TMenuItem* item) {
  if (item->parent_ != nullptr) item->parent_->Remove(item);
  item->parent_ = this;
  items_.push_back(item);
  Changed();
}

void TPopupMenu::Remove(TMenuItem* item) {
  if (std::erase(items_, item) == 0) return;
  item->parent_ = nullptr;
  Changed();
}

TMenuItem* TPopupMenu::FindItem(UINT command) const {
  for (TMenuItem* item : items_) {
    if (item->Command() == command) return item;
  }
  return nullptr;
}

void TPopupMenu::Loaded() {
  TComponent::Loaded();
  Changed();
}

HMENU TPopupMenu::Handle() {
  if (changed_ || !menu_) Rebuild();
  return menu_.get();
}

void TPopupMenu::Rebuild() {
  changed_ = false;
  menu_.reset(CreatePopupMenu());
  bool ownerDraw = IsOwnerDraw();
  for (TMenuItem* item : items_) {
    if (ownerDraw) {
      AppendMenuA(menu_.get(), MF_OWNERDRAW, item->Command(), reinterpret_cast<LPCSTR>(item));
    } else {
      AppendMenuA(menu_.get(), MF_STRING, item->Command(), item->Caption().c_str());
    }
  }
}

void TPopupMenu::Popup(int x, int y) {
  UINT flags = alignment_ == TPopupAlignment::paLeft    ? TPM_LEFTALIGN
               : alignment_ == TPopupAlignment::paRight ? TPM_RIGHTALIGN
                                                        : TPM_CENTERALIGN;
  flags |= trackButton_ == TTrackButton::tbRightButton ? TPM_RIGHTBUTTON : TPM_LEFTBUTTON;
  TrackPopupMenu(Handle(), flags, x, y, 0, WindowHandle(), nullptr);
}

std::optional<LRESULT> TPopupMenu::WindowMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      // Commands of other menus and of other programs are none of ours.
      if (HIWORD(wParam) == 0 && lParam == 0) {
        if (TMenuItem* item = FindItem(LOWORD(wParam))) item->Click();
      }
      return 0;
    case WM_MEASUREITEM: {
      auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
      if (measure == nullptr || measure->CtlType != ODT_MENU) return std::nullopt;
      if (TMenuItem* item = FindItem(measure->itemID)) MeasureItem(*item, *measure);
      return TRUE;
    }
    case WM_DRAWITEM: {
      auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (draw == nullptr || draw->CtlType != ODT_MENU) return std::nullopt;
      if (TMenuItem* item = FindItem(draw->itemID)) DrawItem(*item, *draw);
      return TRUE;
    }
    default:
      return std::nullopt;
  }
}

}  // namespace vcl
