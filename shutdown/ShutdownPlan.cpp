#include "shutdown/ShutdownPlan.h"

namespace scheduler {

namespace {

TAlarmTime AlarmTimeOf(vcl::TDateTime moment) {
  vcl::TTimeParts parts = vcl::DecodeTime(moment);
  return {parts.hour, parts.minute, parts.second};
}

}  // namespace

vcl::TDateTime ChosenMoment(vcl::TDateTime now, vcl::TDateTime picker) {
  return vcl::DateOf(now) + vcl::TimeOf(picker);
}

std::optional<TShutdownPlan> PlanShutdown(vcl::TDateTime now, vcl::TDateTime picker) {
  vcl::TDateTime chosen = ChosenMoment(now, picker);
  if (vcl::CompareDateTime(now, chosen) != -1) return std::nullopt;
  constexpr int kWarningLeadMinutes = 5;
  return TShutdownPlan{.chosen = chosen,
                       .sessionEnd = AlarmTimeOf(chosen),
                       .warning = AlarmTimeOf(vcl::IncMinute(chosen, -kWarningLeadMinutes))};
}

}  // namespace scheduler
