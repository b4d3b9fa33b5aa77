#include "platform/vcl/ImageList.h"

#include <vector>

#include "platform/vcl/Handles.h"

namespace vcl {

TImageList::TImageList(TComponent* owner, std::string name, const TImageListArgs& args)
    : TComponent(owner, std::move(name)),
      width_(args.width),
      height_(args.height),
      list_(ImageList_Create(args.width, args.height, ILC_COLOR32 | ILC_MASK, 4, 4)) {
  if (args.bitmap != nullptr) AddFromResource(args.bitmap);
}

int TImageList::Count() const {
  return ImageList_GetImageCount(list_.get());
}

void TImageList::AddFromResource(const char* bitmap) {
  // A DIB section keeps the alpha channel that a device-dependent bitmap would lose.
  TUniqueBitmap image(static_cast<HBITMAP>(
      LoadImageA(GetModuleHandleA(nullptr), bitmap, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
  DIBSECTION dib{};
  if (!image || GetObjectA(image.get(), sizeof dib, &dib) != sizeof dib ||
      dib.dsBm.bmBitsPixel != 32) {
    return;
  }
  const int width = dib.dsBm.bmWidth;
  const int height = dib.dsBm.bmHeight;
  const auto* pixels = static_cast<const BYTE*>(dib.dsBm.bmBits);
  // The mask: one bit a pixel, rows of whole 16-bit words, top row first; 1 = transparent.
  const int maskStride = (width + 15) / 16 * 2;
  std::vector<BYTE> maskBits(static_cast<size_t>(maskStride) * height, 0);
  const bool bottomUp = dib.dsBmih.biHeight > 0;
  for (int y = 0; y < height; ++y) {
    const BYTE* row = pixels + static_cast<size_t>(bottomUp ? height - 1 - y : y) * width * 4;
    for (int x = 0; x < width; ++x) {
      if (row[x * 4 + 3] < 128) maskBits[y * maskStride + x / 8] |= 0x80 >> (x % 8);
    }
  }
  TUniqueBitmap mask(CreateBitmap(width, height, 1, 1, maskBits.data()));
  ImageList_Add(list_.get(), image.get(), mask.get());
}

void TImageList::Draw(HDC dc, int x, int y, int index) const {
  ImageList_Draw(list_.get(), index, dc, x, y, ILD_TRANSPARENT);
}

}  // namespace vcl
