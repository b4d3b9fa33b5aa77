// The shutdown branch of Apply and the two alarms of the Options window.
#include "options/Unit1.h"

void TForm1::ScheduleShutdown() {}

void TForm1::RxClock1Alarm(vcl::TObject*) {}

void TForm1::Warning_ClockAlarm(vcl::TObject*) {}
