#include "platform/vcl/BitBtn.h"

namespace vcl {

TBitBtn::TBitBtn(TComponent* owner, std::string name, TWinControl* parent, const TBitBtnArgs& args)
    : TButton(owner, std::move(name), parent, args.button) {
  if (args.glyph == nullptr) return;
  glyph_ = LoadIconResource(args.glyph, GetSystemMetrics(SM_CXSMICON));
  // The button draws the picture and its caption side by side.
  SendMessageA(Handle(), BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(glyph_.get()));
}

}  // namespace vcl
