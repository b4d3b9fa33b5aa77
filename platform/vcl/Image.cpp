#include "platform/vcl/Image.h"

namespace vcl {

TImage::TImage(TComponent* owner, std::string name, TWinControl* parent, const TImageArgs& args)
    : TWinControl(owner, std::move(name), parent, args.control) {
  if (args.icon != nullptr) icon_ = LoadIconResource(args.icon);
  CreateHandle({.className = RegisterClassOnce("TImage"), .systemClass = false});
}

void TImage::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(Handle(), &paint);
  // Neither stretched to the box nor centred in it.
  if (icon_) {
    DrawIconEx(dc, 0, 0, icon_.get(), GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0,
               nullptr, DI_NORMAL);
  }
  EndPaint(Handle(), &paint);
}

LRESULT TImage::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    Paint();
    return 0;
  }
  return TWinControl::HandleMessage(message, wParam, lParam);
}

}  // namespace vcl
