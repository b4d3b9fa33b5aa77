// TabfStartButtonProperties: sets the taskbar Start button's position and size. It finds the
// button and captures its placement once, when created; each geometry value assigned later
// moves the button from that captured placement.
#pragma once

#include <windows.h>

#include <string>

#include "platform/abf/StartButtonPlan.h"
#include "platform/vcl/Classes.h"

namespace abf {

// The taskbar's first "Button" child, or null when there is no taskbar.
HWND FindStartButton();

class TabfStartButtonProperties : public vcl::TComponent {
 public:
  TabfStartButtonProperties(vcl::TComponent* owner, std::string name);

  void SetButtonLeft(int value) { Assign(TStartButtonProperty::ButtonLeft, value); }
  void SetButtonTop(int value) { Assign(TStartButtonProperty::ButtonTop, value); }
  void SetButtonWidth(int value) { Assign(TStartButtonProperty::ButtonWidth, value); }
  void SetButtonHeight(int value) { Assign(TStartButtonProperty::ButtonHeight, value); }

  // The Start button found at creation, or null.
  HWND Button() const { return button_; }

 private:
  void Assign(TStartButtonProperty property, int value);

  HWND button_ = nullptr;
  TStartButtonEdges captured_;
};

}  // namespace abf
