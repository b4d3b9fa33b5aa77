#include "platform/rx/Clock.h"

#include "platform/vcl/SysUtils.h"

namespace rx {

namespace {

constexpr UINT_PTR kTickTimer = 1;

}  // namespace

TRxClock::TRxClock(vcl::TComponent* owner, std::string name, const TRxClockArgs& args)
    : vcl::TComponent(owner, std::move(name)),
      now_(&vcl::Now),
      alarm_([this] { return now_(); }),
      bounds_(args.bounds),
      visible_(args.visible) {}

TRxClock::~TRxClock() {
  if (ticking_) KillTimer(timerWindow_->Handle(), kTickTimer);
}

void TRxClock::SetAlarmEnabled(bool enabled) {
  alarm_.SetEnabled(enabled);
  if (enabled == ticking_) return;
  if (enabled) {
    if (!timerWindow_) {
      timerWindow_ = std::make_unique<vcl::TMessageWindow>(
          vcl::TMessageWindow::TArgs{.className = "TRxClockTimer"},
          [this](UINT message, WPARAM wParam, LPARAM) -> std::optional<LRESULT> {
            if (message != WM_TIMER || wParam != kTickTimer) return std::nullopt;
            Tick();
            return 0;
          });
    }
    SetTimer(timerWindow_->Handle(), kTickTimer, kTickMilliseconds, nullptr);
    alarm_.RecomputePending();
  } else {
    KillTimer(timerWindow_->Handle(), kTickTimer);
  }
  ticking_ = enabled;
}

void TRxClock::Tick() {
  // One tick at a time: while an alarm handler waits in a modal box, this clock's own ticks
  // that its loop dispatches are skipped, as if the tick were still running.
  if (inTick_) return;
  vcl::TFlagScope ticking(inTick_);
  if (alarm_.Tick() && OnAlarm) OnAlarm(this);
}

}  // namespace rx
