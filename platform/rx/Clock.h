// TRxClock, used as an alarm clock. Its face is never drawn (the program never shows it), so it
// needs no window of its own; while its alarm is enabled, a hidden window of the user-interface
// thread receives its tick. Every message loop of that thread dispatches the tick, a modal
// message box's and a popup menu's included, so an alarm goes off while either is open.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "platform/rx/AlarmCheck.h"
#include "platform/vcl/Classes.h"
#include "platform/vcl/Controls.h"
#include "platform/vcl/MessageWindow.h"

namespace rx {

struct TRxClockArgs {
  vcl::TBounds bounds;
  bool visible = true;
};

class TRxClock : public vcl::TComponent {
 public:
  static constexpr UINT kTickMilliseconds = 450;

  TRxClock(vcl::TComponent* owner, std::string name, const TRxClockArgs& args = {});
  ~TRxClock() override;

  // A plain flag to the program. A clock that is not armed has nothing to check, so it has no
  // tick at all; enabling starts the tick and brings the pending flag up to date, as the ticks it
  // did not have would have done.
  bool AlarmEnabled() const { return alarm_.Enabled(); }
  void SetAlarmEnabled(bool enabled);

  // Each replaces one field of the alarm time and recomputes the pending flag.
  int AlarmHour() const { return alarm_.Hour(); }
  int AlarmMinute() const { return alarm_.Minute(); }
  int AlarmSecond() const { return alarm_.Second(); }
  void SetAlarmHour(int hour) { alarm_.SetHour(hour); }
  void SetAlarmMinute(int minute) { alarm_.SetMinute(minute); }
  void SetAlarmSecond(int second) { alarm_.SetSecond(second); }
  bool AlarmPending() const { return alarm_.Pending(); }

  // Kept as laid out; the face they would place is never drawn.
  const vcl::TBounds& Bounds() const { return bounds_; }
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) { visible_ = visible; }

  // Raised on the user-interface thread with the clock as sender.
  vcl::TNotifyEvent OnAlarm;

  // Whether the tick runs: only while the alarm is enabled.
  bool Ticking() const { return ticking_; }
  // The local time the alarm reads: the system's, unless a test sets its own.
  void SetTimeSource(TAlarmCheck::TClock now) { now_ = std::move(now); }

 private:
  void Tick();

  TAlarmCheck::TClock now_;
  TAlarmCheck alarm_;
  vcl::TBounds bounds_;
  bool visible_;
  std::unique_ptr<vcl::TMessageWindow> timerWindow_;
  bool ticking_ = false;
  bool inTick_ = false;
};

}  // namespace rx
