// Scrolling a window over controls that do not fit its client area: which scroll bars it needs,
// their ranges and pages, and where a scroll request takes the view. Window-free.
#pragma once

namespace vcl {

struct TExtent {
  int width = 0;
  int height = 0;
  bool operator==(const TExtent&) const = default;
};

// One direction: the content spans [0, range), the client shows `page` of it from `position`.
struct TScrollAxis {
  int range = 0;
  int page = 0;
  int position = 0;
  bool Needed() const { return range > page; }
  int MaxPosition() const { return range > page ? range - page : 0; }
  bool operator==(const TScrollAxis&) const = default;
};

struct TScrollPlan {
  TScrollAxis horizontal;
  TScrollAxis vertical;
};

// `client` is the client area without any scroll bar. A bar takes room from the other direction,
// so one bar can make the other necessary. Positions are kept where they can be, else clamped.
TScrollPlan PlanScrollBars(TExtent client, TExtent content, int verticalBarWidth,
                           int horizontalBarHeight, int positionX, int positionY);

enum class TScrollRequest { kLineBack, kLineForward, kPageBack, kPageForward, kStart, kEnd, kTo };

// The position a request leads to, within the axis' limits. `to` is used by kTo only.
int ScrollTarget(const TScrollAxis& axis, TScrollRequest request, int line, int to = 0);

}  // namespace vcl
