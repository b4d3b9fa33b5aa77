#include "tests/wine/InfoTestSupport.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/vcl/Graphics.h"
#include "tests/wine/InProcess.h"

namespace test_support {

namespace {

// The pixels of a width x height picture, 32 bits each, as 0x00RRGGBB.
class TPixels {
 public:
  TPixels(int width, int height) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
    previous_ = SelectObject(dc_, bitmap_);
  }
  ~TPixels() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  TPixels(const TPixels&) = delete;
  TPixels& operator=(const TPixels&) = delete;

  HDC Dc() const { return dc_; }
  COLORREF At(int x, int y) const {
    DWORD bgr = static_cast<const DWORD*>(bits_)[y * width_ + x];
    return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
  }
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  int width_;
  int height_;
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ previous_;
  void* bits_ = nullptr;
};

// What the window's client area shows now.
void Capture(HWND window, TPixels& pixels) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  PumpMessages();
  HDC dc = GetDC(window);
  BitBlt(pixels.Dc(), 0, 0, pixels.Width(), pixels.Height(), dc, 0, 0, SRCCOPY);
  ReleaseDC(window, dc);
}

void DrawIconOn(TPixels& pixels, HICON icon, COLORREF background) {
  RECT all{0, 0, pixels.Width(), pixels.Height()};
  HBRUSH brush = CreateSolidBrush(background);
  FillRect(pixels.Dc(), &all, brush);
  DeleteObject(brush);
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

std::string WindowText(HWND window) {
  char text[512] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
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

bool IsAbove(HWND upper, HWND lower) {
  for (HWND window = GetWindow(upper, GW_HWNDNEXT); window != nullptr;
       window = GetWindow(window, GW_HWNDNEXT)) {
    if (window == lower) return true;
  }
  return false;
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
