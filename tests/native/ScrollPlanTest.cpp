// Which scroll bars a window needs over its controls, and where scroll requests take the view.
#include <gtest/gtest.h>

#include "platform/vcl/ScrollPlan.h"

namespace {

using vcl::PlanScrollBars;
using vcl::ScrollTarget;
using vcl::TExtent;
using vcl::TScrollAxis;
using vcl::TScrollRequest;

constexpr int kBar = 16;

struct PlanCase {
  const char* name;
  TExtent client;   // without bars
  TExtent content;  // the controls' extent
  int x, y;         // positions before
  TScrollAxis horizontal, vertical;
};

TEST(ScrollPlan, BarsAppearOnlyWhereTheControlsDoNotFitAndEachCanCauseTheOther) {
  const PlanCase cases[] = {
      {"everything fits", {647, 671}, {577, 593}, 0, 0, {577, 647, 0}, {593, 671, 0}},
      {"exactly fits", {577, 593}, {577, 593}, 0, 0, {577, 577, 0}, {593, 593, 0}},
      {"too low only", {600, 300}, {577, 593}, 0, 0, {577, 584, 0}, {593, 300, 0}},
      // The vertical bar takes 16 pixels of width, and then the width no longer suffices.
      {"vertical causes horizontal", {580, 300}, {577, 593}, 0, 0, {577, 564, 0}, {593, 284, 0}},
      {"horizontal causes vertical", {300, 600}, {577, 593}, 0, 0, {577, 284, 0}, {593, 584, 0}},
      {"both", {375, 256}, {577, 593}, 0, 0, {577, 359, 0}, {593, 240, 0}},
      // A window made larger while scrolled: the view moves back as far as needed.
      {"positions clamped", {375, 256}, {577, 593}, 500, 500, {577, 359, 218}, {593, 240, 353}},
      {"position kept", {375, 256}, {577, 593}, 100, 200, {577, 359, 100}, {593, 240, 200}},
      {"no bar, back to the origin", {700, 700}, {577, 593}, 40, 40, {577, 700, 0}, {593, 700, 0}},
      {"client smaller than a bar", {10, 10}, {577, 593}, 0, 0, {577, 0, 0}, {593, 0, 0}},
  };
  for (const PlanCase& c : cases) {
    vcl::TScrollPlan plan = PlanScrollBars(c.client, c.content, kBar, kBar, c.x, c.y);
    EXPECT_EQ(plan.horizontal, c.horizontal) << c.name;
    EXPECT_EQ(plan.vertical, c.vertical) << c.name;
    EXPECT_EQ(plan.horizontal.Needed(), c.horizontal.range > c.horizontal.page) << c.name;
  }
}

TEST(ScrollPlan, RequestsStayWithinTheRange) {
  const TScrollAxis axis{593, 240, 100};  // the view can move from 0 to 353
  struct Case {
    TScrollRequest request;
    int to;
    int expected;
  };
  const Case cases[] = {
      {TScrollRequest::kLineBack, 0, 92}, {TScrollRequest::kLineForward, 0, 108},
      {TScrollRequest::kPageBack, 0, 0},  {TScrollRequest::kPageForward, 0, 340},
      {TScrollRequest::kStart, 0, 0},     {TScrollRequest::kEnd, 0, 353},
      {TScrollRequest::kTo, 250, 250},    {TScrollRequest::kTo, 9999, 353},
      {TScrollRequest::kTo, -5, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScrollTarget(axis, c.request, 8, c.to), c.expected)
        << static_cast<int>(c.request) << " to " << c.to;
  }
  EXPECT_EQ(ScrollTarget({593, 240, 350}, TScrollRequest::kPageForward, 8), 353);
  EXPECT_EQ(ScrollTarget({577, 647, 0}, TScrollRequest::kLineForward, 8), 0);  // nothing to scroll
}

}  // namespace
