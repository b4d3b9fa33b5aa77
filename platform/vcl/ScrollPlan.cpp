#include "platform/vcl/ScrollPlan.h"

#include <algorithm>

namespace vcl {

namespace {

int Clamp(const TScrollAxis& axis, int position) {
  return std::clamp(position, 0, axis.MaxPosition());
}

}  // namespace

TScrollPlan PlanScrollBars(TExtent client, TExtent content, int verticalBarWidth,
                           int horizontalBarHeight, int positionX, int positionY) {
  bool vertical = content.height > client.height;
  bool horizontal = content.width > client.width;
  // A bar narrows the other direction; a bar needed from the start cannot become unneeded.
  if (vertical) horizontal = horizontal || content.width > client.width - verticalBarWidth;
  if (horizontal) vertical = vertical || content.height > client.height - horizontalBarHeight;
  TScrollPlan plan;
  plan.horizontal = {content.width, std::max(0, client.width - (vertical ? verticalBarWidth : 0)),
                     0};
  plan.vertical = {content.height,
                   std::max(0, client.height - (horizontal ? horizontalBarHeight : 0)), 0};
  plan.horizontal.position = Clamp(plan.horizontal, positionX);
  plan.vertical.position = Clamp(plan.vertical, positionY);
  return plan;
}

int ScrollTarget(const TScrollAxis& axis, TScrollRequest request, int line, int to) {
  int position = axis.position;
  switch (request) {
    case TScrollRequest::kLineBack:
      position -= line;
      break;
    case TScrollRequest::kLineForward:
      position += line;
      break;
    case TScrollRequest::kPageBack:
      position -= axis.page;
      break;
    case TScrollRequest::kPageForward:
      position += axis.page;
      break;
    case TScrollRequest::kStart:
      position = 0;
      break;
    case TScrollRequest::kEnd:
      position = axis.MaxPosition();
      break;
    case TScrollRequest::kTo:
      position = to;
      break;
  }
  return Clamp(axis, position);
}

}  // namespace vcl
