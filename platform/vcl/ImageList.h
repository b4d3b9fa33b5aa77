// TImageList: equally sized images with transparency, for menus to draw.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>

#include "platform/vcl/Classes.h"

namespace vcl {

struct TImageListArgs {
  int width = 16;
  int height = 16;
  // A bitmap resource holding the images side by side, 32-bit with alpha; pixels less than half
  // opaque make up the transparency mask.
  const char* bitmap = nullptr;
};

class TImageList : public TComponent {
 public:
  TImageList(TComponent* owner, std::string name, const TImageListArgs& args);

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Count() const;
  HIMAGELIST Handle() const { return list_.get(); }

  // Adds the images of a bitmap resource laid out as described for TImageListArgs::bitmap.
  void AddFromResource(const char* bitmap);
  // Draws an image with its transparency at (x, y).
  void Draw(HDC dc, int x, int y, int index) const;

 private:
  struct TListDeleter {
    void operator()(HIMAGELIST list) const noexcept { ImageList_Destroy(list); }
  };
  int width_;
  int height_;
  std::unique_ptr<std::remove_pointer_t<HIMAGELIST>, TListDeleter> list_;
};

}  // namespace vcl
