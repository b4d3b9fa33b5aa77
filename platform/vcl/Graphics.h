// Colours, fonts and icons as the forms' stored layouts describe them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/vcl/Handles.h"

namespace vcl {

// A colour in the Windows layout 0x00BBGGRR, or a system colour (high bit set, index below).
using TColor = std::uint32_t;
constexpr TColor kSystemColorFlag = 0x80000000u;
constexpr TColor clBlack = 0x000000;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clWindow = kSystemColorFlag | COLOR_WINDOW;
constexpr TColor clWindowText = kSystemColorFlag | COLOR_WINDOWTEXT;
constexpr TColor clBtnFace = kSystemColorFlag | COLOR_BTNFACE;
constexpr TColor clGrayText = kSystemColorFlag | COLOR_GRAYTEXT;

COLORREF ColorToRGB(TColor color);

// A brush for painting a colour; system colours use the system's shared brushes.
class TBrush {
 public:
  explicit TBrush(TColor color);
  HBRUSH Handle() const { return handle_; }
  TColor Color() const { return color_; }

 private:
  TColor color_;
  TUniqueBrush owned_;
  HBRUSH handle_;
};

struct TFontAttributes {
  const char* name = "MS Sans Serif";
  int height = -11;  // negative: character height in pixels, as laid out at 96 pixels per inch
  TColor color = clWindowText;
  BYTE charset = DEFAULT_CHARSET;
};

class TFont {
 public:
  explicit TFont(const TFontAttributes& attributes);
  HFONT Handle() const { return handle_.get(); }
  const TFontAttributes& Attributes() const { return attributes_; }
  TColor Color() const { return attributes_.color; }
  void SetColor(TColor color) { attributes_.color = color; }

 private:
  TFontAttributes attributes_;
  TUniqueFont handle_;
};

// The size in pixels of a line of text drawn in a font.
SIZE MeasureText(HFONT font, const std::string& text);

// An icon resource of the executable at one size (0 = the system's standard icon size).
TUniqueIcon LoadIconResource(const char* name, int size = 0);

}  // namespace vcl
