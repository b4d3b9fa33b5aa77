// The tray menu of the Options window and its images, in the test's own process: its items,
// what they do, and how the menu measures and draws them.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "info/Unit2.h"
#include "info/Unit3.h"
#include "options/Unit1.h"
#include "platform/abf/TrayIcon.h"
#include "platform/rx/PopupMenu.h"
#include "platform/vcl/ImageList.h"
#include "platform/vcl/Menus.h"
#include "platform/vcl/Panel.h"
#include "platform/vcl/XPManifest.h"
#include "tests/support/Pixels.h"
#include "tests/wine/InProcess.h"

namespace {

using TrayMenuTest = test_support::ProgramTest;
using test_support::TPixels;
using vcl::TMenuItem;

MENUITEMINFOA ItemInfo(HMENU menu, UINT position) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_ID;
  GetMenuItemInfoA(menu, position, TRUE, &info);
  return info;
}

TEST_F(TrayMenuTest, FourItemsInOrderEachDoingWhatItSays) {
  rx::TRxPopupMenu* menu = Form1->RxPopupMenu1;
  EXPECT_EQ(Form1->abfTrayIcon1->PopupMenu(), menu);
  EXPECT_EQ(menu->Images(), Form1->ImageList1);
  EXPECT_EQ(menu->MinTextOffset(), 20);
  EXPECT_FALSE(menu->ShowCheckMarks());
  EXPECT_EQ(menu->Style(), rx::TRxMenuStyle::msStandard);
  EXPECT_TRUE(menu->AutoPopup());

  struct Case {
    TMenuItem* item;
    const char* caption;
    int image;
    std::function<bool()> done;
  };
  const std::vector<Case> cases{
      {Form1->Property1, "Options", 0, [] { return IsWindowVisible(Form1->Handle()) != 0; }},
      {Form1->Help1, "Help", 3, [] { return IsWindowVisible(HelpForm->Handle()) != 0; }},
      {Form1->About1, "About", 2, [] { return IsWindowVisible(About->Handle()) != 0; }},
      {Form1->Exit1, "Exit", 1, [this] { return application_->Terminated(); }},
  };
  ASSERT_EQ(menu->Items().size(), cases.size());
  HMENU handle = menu->Handle();
  ASSERT_EQ(GetMenuItemCount(handle), static_cast<int>(cases.size()));
  for (size_t i = 0; i < cases.size(); ++i) {
    const Case& c = cases[i];
    EXPECT_EQ(menu->Items()[i], c.item) << c.caption;
    EXPECT_EQ(c.item->Caption(), c.caption);
    EXPECT_EQ(c.item->ImageIndex(), c.image) << c.caption;
    EXPECT_EQ(c.item->Owner(), Form1) << c.caption;
    MENUITEMINFOA info = ItemInfo(handle, static_cast<UINT>(i));
    EXPECT_EQ(info.wID, c.item->Command()) << c.caption;
    EXPECT_TRUE(info.fType & MFT_OWNERDRAW) << c.caption;
    // Choosing the item: its command reaches the menu's window after the menu has closed.
    EXPECT_FALSE(c.done()) << c.caption;
    PostMessageA(menu->WindowHandle(), WM_COMMAND, c.item->Command(), 0);
    EXPECT_TRUE(test_support::PumpUntil(c.done)) << c.caption;
  }
}

TEST_F(TrayMenuTest, CreatedAfterTheControlsInTheirStoredOrderWithTheImageListLast) {
  const std::vector<vcl::TComponent*>& components = Form1->Components();
  auto position = [&](vcl::TComponent* c) {
    return std::find(components.begin(), components.end(), c) - components.begin();
  };
  const std::vector<vcl::TComponent*> order{
      Form1->Panel1, Form1->abfTrayIcon1, Form1->RxPopupMenu1, Form1->Property1, Form1->Help1,
      Form1->About1, Form1->Exit1,        Form1->XPManifest1,  Form1->ImageList1};
  for (size_t i = 1; i < order.size(); ++i) {
    ASSERT_NE(order[i], nullptr) << i;
    EXPECT_LT(position(order[i - 1]), position(order[i])) << i;
  }
  EXPECT_EQ(components.back(), Form1->ImageList1);
}

TEST_F(TrayMenuTest, ItemsAreMeasuredForTheImagesAndTheMenuFont) {
  rx::TRxPopupMenu* menu = Form1->RxPopupMenu1;
  EXPECT_EQ(menu->ImageColumnWidth(), 20);  // MinTextOffset, wider than an image and 2 pixels

  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  LOGFONTA font{};
  GetObjectA(menu->MenuFont(), sizeof font, &font);
  EXPECT_STREQ(font.lfFaceName, metrics.lfMenuFont.lfFaceName);
  EXPECT_EQ(font.lfHeight, metrics.lfMenuFont.lfHeight);

  for (TMenuItem* item : menu->Items()) {
    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_MENU;
    measure.itemID = item->Command();
    EXPECT_TRUE(
        SendMessageA(menu->WindowHandle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure)));
    SIZE text = vcl::MeasureText(menu->MenuFont(), item->Caption());
    EXPECT_GE(measure.itemHeight, 20u) << item->Caption();
    EXPECT_GE(static_cast<LONG>(measure.itemHeight), text.cy + 2) << item->Caption();
    EXPECT_GE(static_cast<LONG>(measure.itemWidth), 20 + text.cx) << item->Caption();
    EXPECT_LE(static_cast<LONG>(measure.itemWidth), 20 + text.cx + 16) << item->Caption();
  }
}

TEST_F(TrayMenuTest, DrawsTheImageAndCaptionInMenuOrHighlightColours) {
  rx::TRxPopupMenu* menu = Form1->RxPopupMenu1;
  TPixels canvas(160, 24);
  for (bool selected : {false, true}) {
    const COLORREF background = GetSysColor(selected ? COLOR_HIGHLIGHT : COLOR_MENU);
    canvas.Fill(RGB(255, 0, 255));
    DRAWITEMSTRUCT draw{};
    draw.CtlType = ODT_MENU;
    draw.itemID = Form1->Exit1->Command();
    draw.itemAction = ODA_DRAWENTIRE;
    draw.itemState = selected ? ODS_SELECTED : 0;
    draw.hDC = canvas.Dc();
    draw.rcItem = {0, 0, 160, 24};
    EXPECT_TRUE(
        SendMessageA(menu->WindowHandle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw)));
    EXPECT_EQ(canvas.At(159, 0), background) << selected;
    // The Exit image, centred in the 20-pixel column: transparent at its corner, red inside.
    EXPECT_EQ(canvas.At(2, 4), background) << selected;
    COLORREF red = canvas.At(2 + 8, 4 + 8);
    EXPECT_GT(GetRValue(red), 150) << selected;
    EXPECT_LT(GetGValue(red), 80) << selected;
    // The caption, after the column.
    int inked = 0;
    for (int y = 0; y < 24; ++y) {
      for (int x = 0; x < 24; ++x) EXPECT_NE(canvas.At(x, y), RGB(255, 0, 255));
      for (int x = 24; x < 160; ++x) inked += canvas.At(x, y) != background;
    }
    EXPECT_GT(inked, 10) << selected;
  }
}

TEST_F(TrayMenuTest, ImageListHoldsTheFourMenuImagesWithTransparency) {
  vcl::TImageList* images = Form1->ImageList1;
  ASSERT_EQ(images->Count(), 4);
  EXPECT_EQ(images->Width(), 16);
  EXPECT_EQ(images->Height(), 16);
  struct Case {
    int index;
    int x, y;  // a pixel of the picture's main colour
    std::function<bool(COLORREF)> looksRight;
  };
  const COLORREF green = RGB(0, 255, 0);
  const std::vector<Case> cases{
      {0, 1, 5, [](COLORREF c) { return GetBValue(c) > 150 && GetRValue(c) < 100; }},  // frame
      {1, 8, 8, [](COLORREF c) { return GetRValue(c) > 150 && GetGValue(c) < 80; }},   // red
      {2, 13, 13,
       [](COLORREF c) {
         return GetRValue(c) > 200 && GetGValue(c) > 80 && GetGValue(c) < 180 && GetBValue(c) < 80;
       }},                                                                             // orange
      {3, 2, 8, [](COLORREF c) { return GetBValue(c) > 180 && GetRValue(c) < 120; }},  // blue
  };
  TPixels canvas(16, 16);
  for (const Case& c : cases) {
    canvas.Fill(green);
    images->Draw(canvas.Dc(), 0, 0, c.index);
    EXPECT_EQ(canvas.At(0, 0), green) << c.index;
    EXPECT_EQ(canvas.At(0, 15), green) << c.index;
    EXPECT_TRUE(c.looksRight(canvas.At(c.x, c.y))) << c.index;
  }
}

TEST(RxPopupMenu, ImageColumnAndOwnerDrawingFollowItsSettings) {
  vcl::TImageList images(nullptr, "images", {.bitmap = "MENUIMAGES"});
  vcl::TImageList empty(nullptr, "empty", {});
  const int check = GetSystemMetrics(SM_CXMENUCHECK) + 2;
  using rx::TRxMenuStyle;
  struct Case {
    int minTextOffset;
    bool checkMarks;
    vcl::TImageList* images;
    TRxMenuStyle style;
    int column;
    bool ownerDraw;
  };
  for (const Case& c : {
           Case{20, false, &images, TRxMenuStyle::msStandard, 20, true},
           Case{0, false, &images, TRxMenuStyle::msStandard, 18, true},
           Case{30, false, &images, TRxMenuStyle::msStandard, 30, true},
           Case{0, true, &images, TRxMenuStyle::msStandard, std::max(18, check), true},
           Case{20, false, nullptr, TRxMenuStyle::msStandard, 20, false},
           Case{20, false, &empty, TRxMenuStyle::msStandard, 20, false},
           Case{0, false, nullptr, TRxMenuStyle::msOwnerDraw, 0, true},
           Case{0, false, &empty, TRxMenuStyle::msBtnRaised, 16 + 2, true},
       }) {
    rx::TRxPopupMenu menu(nullptr, "menu");
    TMenuItem item(nullptr, "item", {.caption = "Item", .imageIndex = 0});
    menu.Add(&item);
    menu.SetImages(c.images);
    menu.SetMinTextOffset(c.minTextOffset);
    menu.SetShowCheckMarks(c.checkMarks);
    menu.SetStyle(c.style);
    const std::string label = std::to_string(c.minTextOffset) + (c.checkMarks ? " checks" : "") +
                              (c.images == &images ? " images" : "") + " style " +
                              std::to_string(static_cast<int>(c.style));
    EXPECT_EQ(menu.ImageColumnWidth(), c.column) << label;
    MENUITEMINFOA info = ItemInfo(menu.Handle(), 0);
    EXPECT_EQ((info.fType & MFT_OWNERDRAW) != 0, c.ownerDraw) << label;
  }
}

TEST(RxPopupMenu, AnItemLeavesItsMenuWhenDestroyed) {
  rx::TRxPopupMenu menu(nullptr, "menu");
  TMenuItem kept(nullptr, "kept", {.caption = "Kept"});
  menu.Add(&kept);
  {
    TMenuItem gone(nullptr, "gone", {.caption = "Gone"});
    menu.Add(&gone);
    EXPECT_EQ(GetMenuItemCount(menu.Handle()), 2);
  }
  EXPECT_EQ(menu.Items(), std::vector<TMenuItem*>{&kept});
  EXPECT_EQ(GetMenuItemCount(menu.Handle()), 1);
}

}  // namespace
