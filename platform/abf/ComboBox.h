// TabfComboBox: a drop-down combo box with an editable text field that completes the typed text
// from its items.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/vcl/Controls.h"

namespace abf {

struct TabfComboBoxArgs {
  vcl::TControlArgs control;
  std::vector<std::string> items;
  int itemIndex = -1;
  int itemHeight = 15;
  int dropDownCount = 8;
};

class TabfComboBox : public vcl::TWinControl {
 public:
  TabfComboBox(vcl::TComponent* owner, std::string name, vcl::TWinControl* parent,
               const TabfComboBoxArgs& args);
  ~TabfComboBox() override;

  // The selected item; -1 when the text in the field selects none.
  int ItemIndex() const;
  void SetItemIndex(int index);
  std::string Text() const;

 protected:
  std::optional<LRESULT> Notification(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  class TTypingWatch;

  void SetListItemHeight(int height);
  void TextEdited();

  std::unique_ptr<TTypingWatch> typingWatch_;
};

}  // namespace abf
