// TRxPopupMenu: a popup menu that draws its own items, each with an image from an image list
// in a column before its caption, in the system's menu font and colours.
#pragma once

#include <windows.h>

#include <string>

#include "platform/vcl/Graphics.h"
#include "platform/vcl/ImageList.h"
#include "platform/vcl/Menus.h"

namespace rx {

enum class TRxMenuStyle { msStandard, msOwnerDraw, msBtnLowered, msBtnRaised };

class TRxPopupMenu : public vcl::TPopupMenu {
 public:
  // Items are at least this high, whatever the font and the images.
  static constexpr int kMinItemHeight = 20;
  // Between the image column and the caption, and after the caption.
  static constexpr int kTextGap = 4;

  using vcl::TPopupMenu::TPopupMenu;

  vcl::TImageList* Images() const { return images_; }
  void SetImages(vcl::TImageList* images);
  int MinTextOffset() const { return minTextOffset_; }
  void SetMinTextOffset(int offset);
  bool ShowCheckMarks() const { return showCheckMarks_; }
  void SetShowCheckMarks(bool show);
  TRxMenuStyle Style() const { return style_; }
  void SetStyle(TRxMenuStyle style);
  int LeftMargin() const { return leftMargin_; }
  void SetLeftMargin(int margin);

  // The width of the column before the captions: the images, and the check marks if shown.
  int ImageColumnWidth() const;
  // The font the items are drawn in: the system's menu font.
  HFONT MenuFont();

 protected:
  // Whenever the style is not standard or there is an image to show.
  bool IsOwnerDraw() const override;
  void MeasureItem(vcl::TMenuItem& item, MEASUREITEMSTRUCT& measure) override;
  void DrawItem(vcl::TMenuItem& item, const DRAWITEMSTRUCT& draw) override;

 private:
  vcl::TImageList* images_ = nullptr;
  int minTextOffset_ = 0;
  bool showCheckMarks_ = true;
  TRxMenuStyle style_ = TRxMenuStyle::msStandard;
  int leftMargin_ = 0;
  vcl::TUniqueFont menuFont_;
};

}  // namespace rx
