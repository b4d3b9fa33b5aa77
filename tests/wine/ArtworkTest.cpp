// The pictures in the executable's resources: five icons of twelve images each, and the menu
// images.
#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>
#include <utility>

namespace {

#pragma pack(push, 2)
struct TGroupIconHeader {
  WORD reserved;
  WORD type;
  WORD count;
};
struct TGroupIconEntry {
  BYTE width, height, colours, reserved;
  WORD planes, bitCount;
  DWORD bytes;
  WORD id;
};
#pragma pack(pop)

const void* Resource(const char* name, LPCSTR type, DWORD* size) {
  HRSRC found = FindResourceA(nullptr, name, type);
  if (found == nullptr) return nullptr;
  *size = SizeofResource(nullptr, found);
  return LockResource(LoadResource(nullptr, found));
}

// The shell shows an executable's first icon group, named ones sorted by name: that must be the
// program's icon, not one of the windows' pictures.
TEST(Artwork, TheProgramIconIsTheFirstIconGroup) {
  std::string first;
  EnumResourceNamesA(
      nullptr, RT_GROUP_ICON,
      [](HMODULE, LPCSTR, LPSTR name, LONG_PTR context) -> BOOL {
        *reinterpret_cast<std::string*>(context) = IS_INTRESOURCE(name) ? "#" : name;
        return FALSE;
      },
      reinterpret_cast<LONG_PTR>(&first));
  EXPECT_EQ(first, "MAINICON");
}

TEST(Artwork, EachIconHoldsFourSizesInThreeColourDepthsWithMasks) {
  const std::set<std::pair<int, int>> expected{{48, 4},  {48, 8},  {48, 32}, {32, 4},
                                               {32, 8},  {32, 32}, {24, 4},  {24, 8},
                                               {24, 32}, {16, 4},  {16, 8},  {16, 32}};
  for (const char* name : {"MAINICON", "OPTIONSICON", "SEARCHICON", "QUESTIONICON", "POWERICON"}) {
    DWORD size = 0;
    const auto* group = static_cast<const BYTE*>(Resource(name, RT_GROUP_ICON, &size));
    ASSERT_NE(group, nullptr) << name;
    const auto* header = reinterpret_cast<const TGroupIconHeader*>(group);
    ASSERT_EQ(header->type, 1) << name;
    ASSERT_EQ(size, sizeof(TGroupIconHeader) + header->count * sizeof(TGroupIconEntry)) << name;
    const auto* entries = reinterpret_cast<const TGroupIconEntry*>(header + 1);
    std::set<std::pair<int, int>> found;
    for (int i = 0; i < header->count; ++i) {
      const TGroupIconEntry& e = entries[i];
      found.insert({e.width, e.bitCount});
      DWORD imageSize = 0;
      const auto* image = static_cast<const BITMAPINFOHEADER*>(
          Resource(MAKEINTRESOURCEA(e.id), RT_ICON, &imageSize));
      ASSERT_NE(image, nullptr) << name;
      EXPECT_EQ(image->biWidth, e.width) << name;
      EXPECT_EQ(image->biHeight, 2 * e.width) << name;  // colour bits and AND mask
      EXPECT_EQ(image->biBitCount, e.bitCount) << name;
      const DWORD palette = e.bitCount <= 8 ? (4u << e.bitCount) : 0;
      const DWORD colourBits = (e.width * e.bitCount + 31) / 32 * 4 * e.width;
      const DWORD maskBits = (e.width + 31) / 32 * 4 * e.width;
      EXPECT_EQ(imageSize, sizeof(BITMAPINFOHEADER) + palette + colourBits + maskBits) << name;
    }
    EXPECT_EQ(found, expected) << name;
    for (int pixels : {16, 24, 32, 48}) {
      HICON icon = static_cast<HICON>(
          LoadImageA(GetModuleHandleA(nullptr), name, IMAGE_ICON, pixels, pixels, LR_DEFAULTCOLOR));
      EXPECT_NE(icon, nullptr) << name << " " << pixels;
      DestroyIcon(icon);
    }
  }
}

TEST(Artwork, MenuImagesAreFourImagesOf16PixelsWithAlpha) {
  HBITMAP strip = static_cast<HBITMAP>(
      LoadImageA(GetModuleHandleA(nullptr), "MENUIMAGES", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  ASSERT_NE(strip, nullptr);
  DIBSECTION dib{};
  ASSERT_EQ(GetObjectA(strip, sizeof dib, &dib), static_cast<int>(sizeof dib));
  EXPECT_EQ(dib.dsBm.bmWidth, 4 * 16);
  EXPECT_EQ(dib.dsBm.bmHeight, 16);
  EXPECT_EQ(dib.dsBm.bmBitsPixel, 32);
  std::set<int> alphas;
  const auto* pixels = static_cast<const BYTE*>(dib.dsBm.bmBits);
  for (int i = 0; i < 64 * 16; ++i) alphas.insert(pixels[i * 4 + 3]);
  EXPECT_TRUE(alphas.count(0));
  EXPECT_TRUE(alphas.count(255));
  EXPECT_GT(alphas.size(), 2u);  // antialiased edges
  DeleteObject(strip);
}

}  // namespace
