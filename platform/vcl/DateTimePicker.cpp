#include "platform/vcl/DateTimePicker.h"

#include <commctrl.h>

#include "platform/vcl/SysUtils.h"

namespace vcl {

TDateTimePicker::TDateTimePicker(TComponent* owner, std::string name, TWinControl* parent,
                                 const TControlArgs& args)
    : TWinControl(owner, std::move(name), parent, args) {
  CreateHandle({.className = DATETIMEPICK_CLASSA, .style = DTS_TIMEFORMAT});
  SYSTEMTIME shown{};
  DateTime_GetSystemtime(Handle(), &shown);
  date_ = EncodeDate(shown.wYear, shown.wMonth, shown.wDay);
}

TDateTime TDateTimePicker::DateTime() const {
  SYSTEMTIME shown{};
  DateTime_GetSystemtime(Handle(), &shown);
  TTimeParts time{shown.wHour, shown.wMinute, shown.wSecond, shown.wMilliseconds};
  return EncodeDateTime(DecodeDate(date_), time);
}

void TDateTimePicker::SetDateTime(TDateTime value) {
  SYSTEMTIME time = DateTimeToSystemTime(value);
  date_ = EncodeDate(time.wYear, time.wMonth, time.wDay);
  DateTime_SetSystemtime(Handle(), GDT_VALID, &time);
}

}  // namespace vcl
