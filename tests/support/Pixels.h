// A picture in memory, 32 bits a pixel with the top row first: drawn on through its device
// context, or copied from a window or the screen, and read back pixel by pixel.
#pragma once

#include <windows.h>

#include "platform/vcl/Handles.h"

namespace test_support {

class TPixels {
 public:
  TPixels(int width, int height);

  HDC Dc() const { return dc_.get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }

  // Copies what `window` shows (the whole screen for null) from (left, top), at this size.
  void CopyFrom(HWND window, int left, int top);
  void Fill(COLORREF colour);
  COLORREF At(int x, int y) const;

 private:
  struct TDcDeleter {
    void operator()(HDC dc) const noexcept { DeleteDC(dc); }
  };

  int width_;
  int height_;
  void* bits_ = nullptr;
  vcl::TUniqueBitmap bitmap_;
  // Destroyed first, letting go of the bitmap selected into it.
  vcl::TUniqueHandle<HDC, TDcDeleter> dc_;
};

}  // namespace test_support
