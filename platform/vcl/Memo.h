// TMemo: a multi-line text box whose text is a list of lines.
#pragma once

#include <string>
#include <vector>

#include "platform/vcl/Controls.h"

namespace vcl {

enum class TBorderStyle { bsNone, bsSingle };

struct TMemoArgs {
  TControlArgs control;
  std::vector<std::string> lines;
  TBorderStyle borderStyle = TBorderStyle::bsSingle;
  bool wordWrap = true;  // long lines wrap at the box's width; no scroll bars either way
};

class TMemo : public TWinControl {
 public:
  TMemo(TComponent* owner, std::string name, TWinControl* parent, const TMemoArgs& args);

  std::vector<std::string> Lines() const;
  void SetLines(const std::vector<std::string>& lines);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  bool WordWrap() const { return wordWrap_; }

 protected:
  std::optional<LRESULT> Notification(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  TBorderStyle borderStyle_;
  bool wordWrap_;
};

}  // namespace vcl
