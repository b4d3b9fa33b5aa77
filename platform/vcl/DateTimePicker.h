// TDateTimePicker, Kind dtkTime: shows and edits the time of day of a full date-time in the
// system's time format. The date part is neither shown nor edited, and stays as it was set.
#pragma once

#include <string>

#include "platform/vcl/Controls.h"
#include "platform/vcl/DateUtils.h"

namespace vcl {

class TDateTimePicker : public TWinControl {
 public:
  TDateTimePicker(TComponent* owner, std::string name, TWinControl* parent,
                  const TControlArgs& args);

  // The date as last set, with the time of day the control shows now.
  TDateTime DateTime() const;
  void SetDateTime(TDateTime value);

  // The display format in use: empty for the system's time format, which is kept whenever it
  // fits the box; a 12-hour format whose AM/PM would be cut off gives way to the 24-hour clock.
  const std::string& Format() const { return format_; }

 private:
  void FitTimeFormat();

  std::string format_;
  TDateTime date_ = 0;  // whole days; the control's own date is never read
};

}  // namespace vcl
