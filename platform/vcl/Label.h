// TLabel: static text that sizes itself to its caption and takes the mouse, not the focus.
#pragma once

#include <string>

#include "platform/vcl/Controls.h"

namespace vcl {

enum class TCursor { crDefault, crHandPoint };

struct TLabelArgs {
  TControlArgs control;
  std::string caption;
  TCursor cursor = TCursor::crDefault;  // the mouse pointer over the label
};

class TLabel : public TWinControl {
 public:
  TLabel(TComponent* owner, std::string name, TWinControl* parent, const TLabelArgs& args);

  void SetCaption(const std::string& caption);
  // Redraws the text after its font colour changed.
  void SetFontColor(TColor color);
  TCursor Cursor() const { return cursor_; }
  bool MouseInside() const { return mouseInside_; }

  // A press and a release of the left button, both on the label.
  TNotifyEvent OnClick;
  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void AutoSize();
  void MouseMoved();
  void ButtonReleased(LPARAM lParam);

  TCursor cursor_;
  bool mouseInside_ = false;
  bool pressed_ = false;
};

}  // namespace vcl
