#include "tests/wine/InfoTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/vcl/Graphics.h"
#include "tests/support/Pixels.h"
#include "tests/support/WindowQueries.h"
#include "tests/wine/InProcess.h"

namespace test_support {

namespace {

// What the window's client area shows now.
void Capture(HWND window, TPixels& pixels) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  PumpMessages();
  pixels.CopyFrom(window, 0, 0);
}

void DrawIconOn(TPixels& pixels, HICON icon, COLORREF background) {
  pixels.Fill(background);
  DrawIconEx(pixels.Dc(), 0, 0, icon, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0,
             nullptr, DI_NORMAL);
}

bool SamePixels(const TPixels& a, const TPixels& b, std::string& difference) {
  for (int y = 0; y < a.Height(); ++y) {
    for (int x = 0; x < a.Width(); ++x) {
      if (a.At(x, y) != b.At(x, y)) {
        char text[96];
        snprintf(text, sizeof text, "first difference at %d,%d: %06lx against %06lx", x, y,
                 static_cast<unsigned long>(a.At(x, y)), static_cast<unsigned long>(b.At(x, y)));
        difference = text;
        return false;
      }
    }
  }
  return true;
}

}  // namespace

void ExpectSizeableAlwaysOnTop(HWND window, const char* caption) {
  EXPECT_EQ(TextOf(window), caption);
  LONG style = GetWindowLongA(window, GWL_STYLE);
  for (LONG bit : {WS_THICKFRAME, WS_SYSMENU, WS_MINIMIZEBOX, WS_MAXIMIZEBOX}) {
    EXPECT_TRUE(style & bit) << caption << std::hex << " " << bit;
  }
  EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) << caption;
}

void ExpectCreatedInOrder(const vcl::TComponent& owner, const std::vector<std::string>& names) {
  const std::vector<vcl::TComponent*>& components = owner.Components();
  ASSERT_EQ(components.size(), names.size()) << owner.Name();
  for (size_t i = 0; i < names.size(); ++i) {
    EXPECT_EQ(components[i]->Name(), names[i]) << owner.Name() << " created " << i;
  }
}

void ExpectFont(HWND window, const char* face, int height) {
  auto font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  ASSERT_NE(font, nullptr);
  LOGFONTA logFont{};
  GetObjectA(font, sizeof logFont, &logFont);
  EXPECT_STREQ(logFont.lfFaceName, face);
  EXPECT_EQ(logFont.lfHeight, height);
}

void ExpectWindowIcons(HWND window) {
  struct Kind {
    WPARAM which;
    int size;
  };
  for (Kind kind : {Kind{ICON_BIG, GetSystemMetrics(SM_CXICON)},
                    Kind{ICON_SMALL, GetSystemMetrics(SM_CXSMICON)}}) {
    auto icon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, kind.which, 0));
    ASSERT_NE(icon, nullptr) << kind.which;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bitmap{};
    GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, kind.size);
    EXPECT_EQ(bitmap.bmHeight, kind.size);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
  }
}

void ExpectSizedToText(vcl::TLabel& label) {
  auto font = reinterpret_cast<HFONT>(SendMessageA(label.Handle(), WM_GETFONT, 0, 0));
  SIZE text = vcl::MeasureText(font, label.Caption());
  EXPECT_GT(text.cx, 0) << label.Name();
  EXPECT_EQ(label.Width(), text.cx) << label.Name();
  EXPECT_EQ(label.Height(), text.cy) << label.Name();
}

void ExpectIconOfStandardSize(HICON icon, const char* resource) {
  ASSERT_NE(icon, nullptr) << resource;
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon, &info)) << resource;
  BITMAP bitmap{};
  GetObjectA(info.hbmColor, sizeof bitmap, &bitmap);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  int size = GetSystemMetrics(SM_CXICON);
  EXPECT_EQ(bitmap.bmWidth, size) << resource;
  EXPECT_EQ(bitmap.bmHeight, size) << resource;

  vcl::TUniqueIcon expected = vcl::LoadIconResource(resource);
  ASSERT_NE(expected, nullptr) << resource;
  TPixels shown(size, size), wanted(size, size);
  DrawIconOn(shown, icon, RGB(255, 0, 255));
  DrawIconOn(wanted, expected.get(), RGB(255, 0, 255));
  std::string difference;
  EXPECT_TRUE(SamePixels(shown, wanted, difference)) << resource << ": " << difference;
}

void ExpectPictureDrawnAtTopLeft(vcl::TImage& image, COLORREF background) {
  ASSERT_NE(image.Icon(), nullptr) << image.Name();
  SIZE box = image.ClientSize();
  TPixels shown(box.cx, box.cy), wanted(box.cx, box.cy);
  Capture(image.Handle(), shown);
  DrawIconOn(wanted, image.Icon(), background);
  std::string difference;
  EXPECT_TRUE(SamePixels(shown, wanted, difference)) << image.Name() << ": " << difference;
}

bool WindowShowsColour(HWND window, COLORREF colour) {
  RECT client{};
  GetClientRect(window, &client);
  TPixels shown(client.right, client.bottom);
  Capture(window, shown);
  for (int y = 0; y < shown.Height(); ++y) {
    for (int x = 0; x < shown.Width(); ++x) {
      if (shown.At(x, y) == colour) return true;
    }
  }
  return false;
}

}  // namespace test_support
