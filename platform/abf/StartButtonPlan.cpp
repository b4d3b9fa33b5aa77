#include "platform/abf/StartButtonPlan.h"

namespace abf {

std::optional<TWindowPosCall> PlanAssignment(const TStartButtonEdges& captured,
                                             TStartButtonProperty property, int value) {
  TWindowPosCall call{captured.left, captured.top, captured.right, captured.bottom};
  int* place = nullptr;
  const int* edge = nullptr;
  switch (property) {
    case TStartButtonProperty::ButtonLeft:
      place = &call.x;
      edge = &captured.left;
      break;
    case TStartButtonProperty::ButtonTop:
      place = &call.y;
      edge = &captured.top;
      break;
    case TStartButtonProperty::ButtonWidth:
      place = &call.cx;
      edge = &captured.right;
      break;
    case TStartButtonProperty::ButtonHeight:
      place = &call.cy;
      edge = &captured.bottom;
      break;
  }
  if (value == *edge) return std::nullopt;
  *place = value;
  return call;
}

}  // namespace abf
