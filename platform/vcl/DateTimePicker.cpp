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
  FitTimeFormat();
}

void TDateTimePicker::FitTimeFormat() {
  // The widest time of day in the system's format, against the room left of the up-down arrows.
  SYSTEMTIME widest{2000, 1, 0, 1, 22, 58, 58, 0};
  char text[64] = {};
  GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &widest, nullptr, text, sizeof text);
  RECT client{};
  GetClientRect(Handle(), &client);
  const int margins = 2 * GetSystemMetrics(SM_CXEDGE) + 4;
  const int room = client.right - GetSystemMetrics(SM_CXVSCROLL) - margins;
  if (MeasureText(Font().Handle(), text).cx <= room) return;
  format_ = "HH':'mm':'ss";
  SendMessageA(Handle(), DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>(format_.c_str()));
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
