#include "platform/abf/ComboBox.h"

namespace abf {

// Watches the keys typed into the combo box's edit field: only a typed character is completed,
// so that deleting the completed part, or typing over a selection, behaves as in any edit field.
class TabfComboBox::TTypingWatch : public vcl::TWindowTarget {
 public:
  explicit TTypingWatch(HWND edit) { Subclass(edit); }
  bool Typing() const { return typing_; }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_CHAR || wParam < ' ') return DefaultProc(message, wParam, lParam);
    vcl::TFlagScope typing(typing_);
    return DefaultProc(message, wParam, lParam);
  }

 private:
  bool typing_ = false;
};

TabfComboBox::TabfComboBox(vcl::TComponent* owner, std::string name, vcl::TWinControl* parent,
                           const TabfComboBoxArgs& args)
    : vcl::TWinControl(owner, std::move(name), parent, args.control) {
  CreateHandle({.className = "COMBOBOX", .style = CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL});
  for (const std::string& item : args.items) {
    SendMessageA(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  }
  SetListItemHeight(args.itemHeight);
  // The height a combo box is created with is its height dropped down; the closed height
  // follows from the font.
  int closedHeight = Height();
  int listHeight = args.dropDownCount * args.itemHeight + 2;
  SetWindowPos(Handle(), nullptr, 0, 0, Width(), closedHeight + listHeight,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (GetComboBoxInfo(Handle(), &info) && info.hwndItem != nullptr) {
    typingWatch_ = std::make_unique<TTypingWatch>(info.hwndItem);
  }
  SetItemIndex(args.itemIndex);
}

TabfComboBox::~TabfComboBox() {
  // The edit field's watch must outlive the edit field.
  if (Handle() != nullptr) DestroyWindow(Handle());
}

void TabfComboBox::SetListItemHeight(int height) {
  SendMessageA(Handle(), CB_SETITEMHEIGHT, 0, height);
  // Wine's combo box passes the list's item height on only when the items are drawn by the
  // owner; the list box itself takes it.
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (SendMessageA(Handle(), CB_GETITEMHEIGHT, 0, 0) != height &&
      GetComboBoxInfo(Handle(), &info)) {
    SendMessageA(info.hwndList, LB_SETITEMHEIGHT, 0, height);
  }
}

int TabfComboBox::ItemIndex() const {
  return static_cast<int>(SendMessageA(Handle(), CB_GETCURSEL, 0, 0));
}

void TabfComboBox::SetItemIndex(int index) {
  SendMessageA(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

std::string TabfComboBox::Text() const {
  return Caption();
}

void TabfComboBox::TextEdited() {
  std::string text = Text();
  DWORD selStart = 0, selEnd = 0;
  SendMessageA(Handle(), CB_GETEDITSEL, reinterpret_cast<WPARAM>(&selStart),
               reinterpret_cast<LPARAM>(&selEnd));
  LPARAM key = reinterpret_cast<LPARAM>(text.c_str());
  bool typedAtEnd =
      typingWatch_ && typingWatch_->Typing() && selStart == text.size() && selEnd == text.size();
  if (typedAtEnd) {
    auto found = SendMessageA(Handle(), CB_FINDSTRING, static_cast<WPARAM>(-1), key);
    if (found != CB_ERR) {
      SetItemIndex(static_cast<int>(found));
      auto length = static_cast<WORD>(text.size());
      SendMessageA(Handle(), CB_SETEDITSEL, 0, MAKELPARAM(length, -1));
      return;
    }
  }
  // Text that names an item exactly selects it; any other text selects none.
  auto exact = SendMessageA(Handle(), CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), key);
  if (exact != CB_ERR && exact != ItemIndex()) {
    SetItemIndex(static_cast<int>(exact));
    SendMessageA(Handle(), CB_SETEDITSEL, 0, MAKELPARAM(selStart, selEnd));
  }
}

std::optional<LRESULT> TabfComboBox::Notification(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HIWORD(wParam) == CBN_EDITCHANGE) {
    TextEdited();
    return 0;
  }
  return vcl::TWinControl::Notification(message, wParam, lParam);
}

}  // namespace abf
