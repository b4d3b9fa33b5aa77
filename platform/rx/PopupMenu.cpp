#include "platform/rx/PopupMenu.h"

#include <algorithm>

namespace rx {

void TRxPopupMenu::SetImages(vcl::TImageList* images) {
  images_ = images;
  Changed();
}

void TRxPopupMenu::SetMinTextOffset(int offset) {
  minTextOffset_ = offset;
  Changed();
}

void TRxPopupMenu::SetShowCheckMarks(bool show) {
  showCheckMarks_ = show;
  Changed();
}

void TRxPopupMenu::SetStyle(TRxMenuStyle style) {
  style_ = style;
  Changed();
}

void TRxPopupMenu::SetLeftMargin(int margin) {
  leftMargin_ = margin;
  Changed();
}

bool TRxPopupMenu::IsOwnerDraw() const {
  return style_ != TRxMenuStyle::msStandard || (images_ != nullptr && images_->Count() > 0);
}

int TRxPopupMenu::ImageColumnWidth() const {
  int width = minTextOffset_;
  if (images_ != nullptr) width = std::max(width, images_->Width() + 2);
  if (showCheckMarks_) width = std::max(width, GetSystemMetrics(SM_CXMENUCHECK) + 2);
  return width;
}

HFONT TRxPopupMenu::MenuFont() {
  if (!menuFont_) {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    menuFont_.reset(CreateFontIndirectA(&metrics.lfMenuFont));
  }
  return menuFont_.get();
}

void TRxPopupMenu::MeasureItem(vcl::TMenuItem& item, MEASUREITEMSTRUCT& measure) {
  SIZE text = vcl::MeasureText(MenuFont(), item.Caption());
  int height = std::max(kMinItemHeight, static_cast<int>(text.cy) + 4);
  if (images_ != nullptr) height = std::max(height, images_->Height() + 4);
  measure.itemWidth = leftMargin_ + ImageColumnWidth() + kTextGap + text.cx + kTextGap;
  measure.itemHeight = height;
}

void TRxPopupMenu::DrawItem(vcl::TMenuItem& item, const DRAWITEMSTRUCT& draw) {
  HDC dc = draw.hDC;
  const RECT& r = draw.rcItem;
  const bool selected = (draw.itemState & ODS_SELECTED) != 0;
  const bool disabled = (draw.itemState & (ODS_DISABLED | ODS_GRAYED)) != 0;
  const bool buttonStyle =
      style_ == TRxMenuStyle::msBtnLowered || style_ == TRxMenuStyle::msBtnRaised;

  const int columnLeft = r.left + leftMargin_;
  const int textLeft = columnLeft + ImageColumnWidth() + kTextGap;
  // The button styles frame the selected item's image instead of highlighting it.
  RECT highlight = r;
  if (buttonStyle) highlight.left = textLeft - kTextGap / 2;
  FillRect(dc, &r, GetSysColorBrush(COLOR_MENU));
  if (selected) FillRect(dc, &highlight, GetSysColorBrush(COLOR_HIGHLIGHT));

  if (images_ != nullptr && item.ImageIndex() >= 0 && item.ImageIndex() < images_->Count()) {
    const int x = columnLeft + (ImageColumnWidth() - images_->Width()) / 2;
    const int y = r.top + (r.bottom - r.top - images_->Height()) / 2;
    images_->Draw(dc, x, y, item.ImageIndex());
    if (buttonStyle && selected) {
      RECT frame{x - 2, y - 2, x + images_->Width() + 2, y + images_->Height() + 2};
      DrawEdge(dc, &frame, style_ == TRxMenuStyle::msBtnRaised ? BDR_RAISEDINNER : BDR_SUNKENOUTER,
               BF_RECT);
    }
  }

  COLORREF textColor = GetSysColor(disabled   ? COLOR_GRAYTEXT
                                   : selected ? COLOR_HIGHLIGHTTEXT
                                              : COLOR_MENUTEXT);
  COLORREF previousColor = SetTextColor(dc, textColor);
  int previousMode = SetBkMode(dc, TRANSPARENT);
  HGDIOBJ previousFont = SelectObject(dc, MenuFont());
  RECT text{textLeft, r.top, r.right - kTextGap, r.bottom};
  UINT format = DT_SINGLELINE | DT_VCENTER | DT_LEFT;
  if (draw.itemState & ODS_NOACCEL) format |= DT_HIDEPREFIX;
  DrawTextA(dc, item.Caption().c_str(), -1, &text, format);
  SelectObject(dc, previousFont);
  SetBkMode(dc, previousMode);
  SetTextColor(dc, previousColor);
}

}  // namespace rx
