// The Start button geometry as TabfStartButtonProperties changes it, without windows: which
// SetWindowPos call each assignment makes from the edges captured once at creation.
#pragma once

#include <optional>

namespace abf {

// The four edges of the button's normal-position rectangle, as GetWindowPlacement gives them.
struct TStartButtonEdges {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  bool operator==(const TStartButtonEdges&) const = default;
};

enum class TStartButtonProperty { ButtonLeft, ButtonTop, ButtonWidth, ButtonHeight };

// Arguments of SetWindowPos(button, null, x, y, cx, cy, SWP_NOACTIVATE | SWP_NOZORDER).
struct TWindowPosCall {
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 0;
  bool operator==(const TWindowPosCall&) const = default;
};

// An assignment is compared with its own captured edge only. When they differ, the call puts
// the value in its own place and the captured edges in the other three: the right edge stands
// for the width and the bottom edge for the height, as the component has always done.
std::optional<TWindowPosCall> PlanAssignment(const TStartButtonEdges& captured,
                                             TStartButtonProperty property, int value);

}  // namespace abf
