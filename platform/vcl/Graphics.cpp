#include "platform/vcl/Graphics.h"

namespace vcl {

COLORREF ColorToRGB(TColor color) {
  if (color & kSystemColorFlag) return GetSysColor(static_cast<int>(color & 0xFF));
  return static_cast<COLORREF>(color);
}

TBrush::TBrush(TColor color) : color_(color) {
  if (color & kSystemColorFlag) {
    handle_ = GetSysColorBrush(static_cast<int>(color & 0xFF));
  } else {
    owned_.reset(CreateSolidBrush(ColorToRGB(color)));
    handle_ = owned_.get();
  }
}

TFont::TFont(const TFontAttributes& attributes)
    : attributes_(attributes),
      handle_(CreateFontA(attributes.height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                          attributes.charset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                          DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, attributes.name)) {}

SIZE MeasureText(HFONT font, const std::string& text) {
  SIZE size{0, 0};
  HDC dc = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, font);
  RECT bounds{0, 0, 0, 0};
  DrawTextA(dc, text.empty() ? " " : text.c_str(), -1, &bounds,
            DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  size.cx = text.empty() ? 0 : bounds.right - bounds.left;
  size.cy = bounds.bottom - bounds.top;
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  return size;
}

TUniqueIcon LoadIconResource(const char* name, int size) {
  if (size == 0) size = GetSystemMetrics(SM_CXICON);
  return TUniqueIcon(static_cast<HICON>(
      LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

}  // namespace vcl
