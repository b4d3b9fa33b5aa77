// TDateTimePicker, Kind dtkTime: shows and edits the time of day of a full date-time in the
// system's time format. The date part is neither shown nor edited, and stays as it was set.
#pragma once

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

 private:
  TDateTime date_ = 0;  // whole days; the control's own date is never read
};

}  // namespace vcl
