// TBitBtn: a push button with room for a picture beside its caption.
#pragma once

#include "platform/vcl/Button.h"
#include "platform/vcl/Handles.h"

namespace vcl {

struct TBitBtnArgs {
  TButtonArgs button;
  const char* glyph = nullptr;  // icon resource drawn at the small icon size; none if null
};

class TBitBtn : public TButton {
 public:
  TBitBtn(TComponent* owner, std::string name, TWinControl* parent, const TBitBtnArgs& args);

  HICON Glyph() const { return glyph_.get(); }

 private:
  TUniqueIcon glyph_;
};

}  // namespace vcl
