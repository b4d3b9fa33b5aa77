#include "tests/support/Pixels.h"

#include <algorithm>

namespace test_support {

TPixels::TPixels(int width, int height)
    : width_(width), height_(height), dc_(CreateCompatibleDC(nullptr)) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits_, nullptr, 0));
  SelectObject(dc_.get(), bitmap_.get());
}

void TPixels::CopyFrom(HWND window, int left, int top) {
  HDC source = GetDC(window);
  BitBlt(dc_.get(), 0, 0, width_, height_, source, left, top, SRCCOPY);
  ReleaseDC(window, source);
}

void TPixels::Fill(COLORREF colour) {
  GdiFlush();
  const DWORD pixel = (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour);
  auto* bits = static_cast<DWORD*>(bits_);
  std::fill(bits, bits + static_cast<size_t>(width_) * height_, pixel);
}

COLORREF TPixels::At(int x, int y) const {
  GdiFlush();  // drawing may wait in GDI's batch until then
  DWORD pixel = static_cast<const DWORD*>(bits_)[static_cast<size_t>(y) * width_ + x];
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

}  // namespace test_support
