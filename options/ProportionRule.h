// The Options window keeps its outer width to height at 1.64 to 1.
#pragma once

namespace options {

// Round(height × 1.64) and Round(width / 1.64), in integers: 1.64 = 41/25, and no exact half
// can arise, so rounding half up is rounding to the nearest.
constexpr int WidthForHeight(int height) {
  return (82 * height + 25) / 50;
}
constexpr int HeightForWidth(int width) {
  return (50 * width + 41) / 82;
}

// One call of the rule, for a window whose Width(), Height(), SetWidth() and SetHeight() act at
// once. Setting a side that really changes the size runs the rule again inside this call; that
// inner call compares with the same recorded size, because the record is written only at the
// end, after everything the set caused.
template <class Window>
void ApplyProportionRule(Window& window, int& lastWidth, int& lastHeight) {
  int width = window.Width();
  int height = window.Height();
  if (height == lastHeight && width != lastWidth) {
    window.SetHeight(HeightForWidth(width));  // only the width changed since the last record
  } else {
    window.SetWidth(WidthForHeight(height));
  }
  lastWidth = window.Width();
  lastHeight = window.Height();
}

}  // namespace options
