#include "platform/vcl/AutoScroll.h"

#include <algorithm>

#include "platform/vcl/Controls.h"

namespace vcl {

namespace {

constexpr int kLineStep = 8;  // pixels per arrow click
constexpr int kWheelLines = 3;

std::optional<TScrollRequest> RequestOf(WORD code) {
  switch (code) {
    case SB_LINEUP:
      return TScrollRequest::kLineBack;
    case SB_LINEDOWN:
      return TScrollRequest::kLineForward;
    case SB_PAGEUP:
      return TScrollRequest::kPageBack;
    case SB_PAGEDOWN:
      return TScrollRequest::kPageForward;
    case SB_TOP:
      return TScrollRequest::kStart;
    case SB_BOTTOM:
      return TScrollRequest::kEnd;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      return TScrollRequest::kTo;
    default:
      return std::nullopt;
  }
}

void SetBar(HWND window, int bar, const TScrollAxis& axis) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  info.nMin = 0;
  info.nMax = std::max(0, axis.range - 1);
  info.nPage = static_cast<UINT>(axis.page);
  info.nPos = axis.position;
  // The system shows the bar only while the page is smaller than the range.
  SetScrollInfo(window, bar, &info, TRUE);
}

}  // namespace

TExtent TAutoScroll::ContentExtent() const {
  TExtent extent;
  for (TWinControl* child : control_.Controls()) {
    if (!child->Visible()) continue;
    TBounds b = child->Bounds();
    extent.width = std::max(extent.width, b.left + b.width + plan_.horizontal.position);
    extent.height = std::max(extent.height, b.top + b.height + plan_.vertical.position);
  }
  return extent;
}

void TAutoScroll::Update() {
  // Showing or hiding a bar resizes the client area, which calls back here.
  if (updating_) return;
  TFlagScope updating(updating_);
  HWND window = control_.Handle();
  SIZE client = control_.ClientSize();
  LONG style = GetWindowLongA(window, GWL_STYLE);
  int barWidth = GetSystemMetrics(SM_CXVSCROLL);
  int barHeight = GetSystemMetrics(SM_CYHSCROLL);
  TExtent whole{static_cast<int>(client.cx) + ((style & WS_VSCROLL) ? barWidth : 0),
                static_cast<int>(client.cy) + ((style & WS_HSCROLL) ? barHeight : 0)};
  Apply(PlanScrollBars(whole, ContentExtent(), barWidth, barHeight, plan_.horizontal.position,
                       plan_.vertical.position));
}

void TAutoScroll::Apply(const TScrollPlan& plan) {
  int dx = plan_.horizontal.position - plan.horizontal.position;
  int dy = plan_.vertical.position - plan.vertical.position;
  plan_ = plan;
  if (dx != 0 || dy != 0) {
    ScrollWindowEx(control_.Handle(), dx, dy, nullptr, nullptr, nullptr, nullptr,
                   SW_SCROLLCHILDREN | SW_INVALIDATE | SW_ERASE);
  }
  SetBar(control_.Handle(), SB_HORZ, plan_.horizontal);
  SetBar(control_.Handle(), SB_VERT, plan_.vertical);
}

void TAutoScroll::ScrollTo(int x, int y) {
  TScrollPlan plan = plan_;
  plan.horizontal.position = x;
  plan.vertical.position = y;
  Apply(plan);
}

std::optional<LRESULT> TAutoScroll::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL: {
      if (lParam != 0) return std::nullopt;  // from a scroll bar control, not the window's own
      std::optional<TScrollRequest> request = RequestOf(LOWORD(wParam));
      if (!request) return 0;
      bool horizontal = message == WM_HSCROLL;
      SCROLLINFO info{};
      info.cbSize = sizeof info;
      info.fMask = SIF_TRACKPOS;
      GetScrollInfo(control_.Handle(), horizontal ? SB_HORZ : SB_VERT, &info);
      const TScrollAxis& axis = horizontal ? plan_.horizontal : plan_.vertical;
      int target = ScrollTarget(axis, *request, kLineStep, info.nTrackPos);
      if (horizontal) {
        ScrollTo(target, plan_.vertical.position);
      } else {
        ScrollTo(plan_.horizontal.position, target);
      }
      return 0;
    }
    case WM_MOUSEWHEEL: {
      if (!plan_.vertical.Needed()) return std::nullopt;
      int notches = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
      int target = ScrollTarget(plan_.vertical, TScrollRequest::kTo, 0,
                                plan_.vertical.position - notches * kWheelLines * kLineStep);
      ScrollTo(plan_.horizontal.position, target);
      return 0;
    }
    default:
      return std::nullopt;
  }
}

}  // namespace vcl
