// The Options window's proportion rule, against a window that behaves like the real one: a set
// that changes the size runs the rule again at once, and the minimum size holds for every set.
#include <gtest/gtest.h>

#include <algorithm>

#include "options/ProportionRule.h"

namespace {

class FakeOptionsWindow {
 public:
  FakeOptionsWindow(int width, int height, int recordedWidth, int recordedHeight)
      : width_(width), height_(height), lastWidth_(recordedWidth), lastHeight_(recordedHeight) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  void SetWidth(int width) { Resize(std::max(width, kMinWidth), height_); }
  void SetHeight(int height) { Resize(width_, std::max(height, kMinHeight)); }

  // The user drags a border or a corner, or maximises the window.
  void UserResize(int width, int height) {
    width_ = width;
    height_ = height;
    options::ApplyProportionRule(*this, lastWidth_, lastHeight_);
  }

  int lastWidth() const { return lastWidth_; }
  int lastHeight() const { return lastHeight_; }

 private:
  static constexpr int kMinWidth = 517;
  static constexpr int kMinHeight = 235;

  void Resize(int width, int height) {
    if (width == width_ && height == height_) return;  // no change, no further call
    width_ = width;
    height_ = height;
    options::ApplyProportionRule(*this, lastWidth_, lastHeight_);
  }

  int width_, height_;
  int lastWidth_, lastHeight_;
};

struct ResizeCase {
  const char* what;
  int recordedWidth, recordedHeight;  // the record before the change
  int startWidth, startHeight;        // the size before the change
  int newWidth, newHeight;            // the size the user gives the window
  int finalWidth, finalHeight;        // the size afterwards, and the record
};

class ProportionRule : public ::testing::TestWithParam<ResizeCase> {};

TEST_P(ProportionRule, GivesTheSizeAndRecordsIt) {
  const ResizeCase& c = GetParam();
  FakeOptionsWindow window(c.startWidth, c.startHeight, c.recordedWidth, c.recordedHeight);
  window.UserResize(c.newWidth, c.newHeight);
  EXPECT_EQ(window.Width(), c.finalWidth) << c.what;
  EXPECT_EQ(window.Height(), c.finalHeight) << c.what;
  EXPECT_EQ(window.lastWidth(), c.finalWidth) << c.what;
  EXPECT_EQ(window.lastHeight(), c.finalHeight) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProportionRule,
    ::testing::Values(
        ResizeCase{"first call, as laid out", 0, 0, 706, 303, 706, 303, 517, 303},
        ResizeCase{"right edge to 611: height follows, re-entry moves the width", 600, 366, 600,
                   366, 611, 366, 612, 373},
        ResizeCase{"right edge to 601: height already right", 600, 366, 600, 366, 601, 366, 601,
                   366},
        ResizeCase{"bottom edge to 400", 600, 366, 600, 366, 600, 400, 656, 400},
        ResizeCase{"corner to 700 x 400: the height wins", 600, 366, 600, 366, 700, 400, 656, 400},
        ResizeCase{"height below 315: the minimum width holds", 517, 315, 517, 315, 517, 300, 517,
                   300},
        ResizeCase{"width 800 after the minimum", 517, 300, 517, 300, 800, 300, 800, 488},
        ResizeCase{"maximised to a height of 746", 600, 366, 600, 366, 1280, 746, 1223, 746},
        ResizeCase{"height 315 exactly", 600, 366, 600, 366, 600, 315, 517, 315},
        ResizeCase{"nothing changed", 656, 400, 656, 400, 656, 400, 656, 400}));

TEST(ProportionRule, RoundsToTheNearestPixel) {
  struct Case {
    int height, width;
  };
  // Round(h × 1.64) and Round(w / 1.64) for values just below and above a half.
  for (Case c : {Case{303, 497}, Case{314, 515}, Case{315, 517}, Case{373, 612}, Case{746, 1223}}) {
    EXPECT_EQ(options::WidthForHeight(c.height), c.width) << c.height;
  }
  for (Case c : {Case{373, 611}, Case{366, 601}, Case{366, 600}, Case{488, 800}, Case{315, 517}}) {
    EXPECT_EQ(options::HeightForWidth(c.width), c.height) << c.width;
  }
}

}  // namespace
