// The Start button geometry: which calls the stored values 0, 0, 48, 21 make from the captured
// edges, and where the button ends, start after start.
#include <gtest/gtest.h>

#include <vector>

#include "platform/abf/StartButtonPlan.h"

namespace {

using abf::PlanAssignment;
using abf::TStartButtonEdges;
using abf::TStartButtonProperty;
using abf::TWindowPosCall;

// The stored values in their stored order.
std::vector<TWindowPosCall> CallsAtCreation(const TStartButtonEdges& captured) {
  std::vector<TWindowPosCall> calls;
  for (auto [property, value] : {std::pair{TStartButtonProperty::ButtonLeft, 0},
                                 std::pair{TStartButtonProperty::ButtonTop, 0},
                                 std::pair{TStartButtonProperty::ButtonWidth, 48},
                                 std::pair{TStartButtonProperty::ButtonHeight, 21}}) {
    if (auto call = PlanAssignment(captured, property, value)) calls.push_back(*call);
  }
  return calls;
}

struct AssignmentCase {
  const char* what;
  TStartButtonProperty property;
  int value;
  TStartButtonEdges captured;
  std::optional<TWindowPosCall> call;
};

TEST(StartButtonPlan, EachAssignmentIsComparedWithItsOwnEdgeAndKeepsTheOtherThree) {
  const TStartButtonEdges e{7, 5, 66, 30};
  const AssignmentCase cases[] = {
      {"left differs", TStartButtonProperty::ButtonLeft, 0, e, TWindowPosCall{0, 5, 66, 30}},
      {"left equal", TStartButtonProperty::ButtonLeft, 7, e, std::nullopt},
      {"top differs", TStartButtonProperty::ButtonTop, 0, e, TWindowPosCall{7, 0, 66, 30}},
      {"top equal", TStartButtonProperty::ButtonTop, 5, e, std::nullopt},
      // The width is compared with the right edge, not with right - left.
      {"width differs", TStartButtonProperty::ButtonWidth, 48, e, TWindowPosCall{7, 5, 48, 30}},
      {"width equals the right edge", TStartButtonProperty::ButtonWidth, 66, e, std::nullopt},
      {"width equals right - left, not the right edge", TStartButtonProperty::ButtonWidth, 59, e,
       TWindowPosCall{7, 5, 59, 30}},
      {"height differs", TStartButtonProperty::ButtonHeight, 21, e, TWindowPosCall{7, 5, 66, 21}},
      {"height equals the bottom edge", TStartButtonProperty::ButtonHeight, 30, e, std::nullopt},
      {"height equals bottom - top, not the bottom edge", TStartButtonProperty::ButtonHeight, 25, e,
       TWindowPosCall{7, 5, 66, 25}},
  };
  for (const AssignmentCase& c : cases) {
    EXPECT_EQ(PlanAssignment(c.captured, c.property, c.value), c.call) << c.what;
  }
}

struct CreationCase {
  const char* what;
  TStartButtonEdges captured;
  std::vector<TWindowPosCall> calls;  // in order; the last one decides where the button ends
};

TEST(StartButtonPlan, CallsAtCreationStartFromTheCapturedPlacementEveryTime) {
  const CreationCase cases[] = {
      {"B != 21: R wide, 21 high at (L, T)",
       {5, 3, 60, 25},
       {{0, 3, 60, 25}, {5, 0, 60, 25}, {5, 3, 48, 25}, {5, 3, 60, 21}}},
      {"B = 21, R != 48: 48 wide at (L, T)",
       {5, 3, 60, 21},
       {{0, 3, 60, 21}, {5, 0, 60, 21}, {5, 3, 48, 21}}},
      {"B = 21, R = 48, T != 0: at (L, 0)", {5, 3, 48, 21}, {{0, 3, 48, 21}, {5, 0, 48, 21}}},
      {"B = 21, R = 48, T = 0, L != 0: at (0, 0)", {5, 0, 48, 21}, {{0, 0, 48, 21}}},
      {"(0, 0, 48, 21): no call", {0, 0, 48, 21}, {}},
      {"(0, 0, R, B): 48 wide and B high, then R wide and 21 high",
       {0, 0, 58, 20},
       {{0, 0, 48, 20}, {0, 0, 58, 21}}},
      {"Wine's own Start button at (0, 748), 58 x 20",
       {0, 748, 58, 768},
       {{0, 0, 58, 768}, {0, 748, 48, 768}, {0, 748, 58, 21}}},
      {"failed placement: all edges 0", {0, 0, 0, 0}, {{0, 0, 48, 0}, {0, 0, 0, 21}}},
  };
  for (const CreationCase& c : cases) {
    EXPECT_EQ(CallsAtCreation(c.captured), c.calls) << c.what;
  }
}

TEST(StartButtonPlan, LaterStartsFromTheLeftPlacementSettleAt48By21) {
  // A start that finds (0, 0, R, B) leaves the button R wide and 21 high; the next one makes it
  // 48 wide; the one after that makes no call.
  TStartButtonEdges edges{0, 0, 58, 20};
  std::vector<size_t> callsPerStart;
  for (int start = 0; start < 3; ++start) {
    std::vector<TWindowPosCall> calls = CallsAtCreation(edges);
    callsPerStart.push_back(calls.size());
    if (!calls.empty()) {
      const TWindowPosCall& last = calls.back();
      edges = {last.x, last.y, last.x + last.cx, last.y + last.cy};
    }
  }
  EXPECT_EQ(callsPerStart, (std::vector<size_t>{2, 1, 0}));
  EXPECT_EQ(edges, (TStartButtonEdges{0, 0, 48, 21}));
}

}  // namespace
