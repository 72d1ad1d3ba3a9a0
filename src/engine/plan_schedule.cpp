#include "engine/plan_schedule.h"

#include "platform/instance/instance_name.h"
#include "platform/path/full_path.h"
#include "platform/path/path_separator.h"
#include "platform/process/executable_location.h"
#include "platform/schedule/systemd_units.h"

namespace tarnwick::engine {
namespace {

#ifdef _WIN32
constexpr char kCliFileName[] = "tarnwick-cli.exe";
#else
constexpr char kCliFileName[] = "tarnwick-cli";
#endif

// The scheduler's name for a plan: unique per settings file, as each has its own plans.
std::string ScheduledName(const core::AppState& state, uint32_t number) {
  std::string name = platform::InstanceName(platform::AbsolutePath(state.SettingsPath));
  return name.append("-plan-").append(std::to_string(number));
}

}  // namespace

platform::ScheduledRun ScheduledRunOf(const core::AppState& state, const core::Plan& plan) {
  const auto program = platform::CurrentExecutable();
  std::string cli = program ? program->directory : std::string();
  if (!cli.empty() && cli.back() != platform::kPathSeparator) cli += platform::kPathSeparator;
  cli += kCliFileName;
  platform::ScheduledRun run;
  run.name = ScheduledName(state, plan.number);
  run.description.append("Tarnwick: Plan ").append(std::to_string(plan.number));
  run.description.append(" (").append(plan.folder).append(")");
  run.time = plan.time;
  run.command = {cli, "--run-plan", std::to_string(plan.number), "--settings",
                 platform::AbsolutePath(state.SettingsPath)};
  return run;
}

PlanAddition AddPlan(const core::AppState& state, core::Plan& plan, bool cron) {
  PlanAddition addition;
  addition.saveError = core::AddPlan(state, plan, addition.added);
  if (addition.saveError || !addition.added) return addition;
  platform::ScheduledRun run = ScheduledRunOf(state, plan);
  run.cronWithoutUserManager = cron;
  addition.scheduleError = platform::SystemScheduler().Schedule(run);
  if (addition.scheduleError == platform::ScheduleError::kNoUserManager) {
    addition.cronLine = platform::CrontabLine(run);
  }
  return addition;
}

std::error_code RemovePlan(const core::AppState& state, uint32_t number,
                           std::error_code& unscheduleError) {
  if (const std::error_code error = core::RemovePlan(state, number)) return error;
  unscheduleError = platform::SystemScheduler().Unschedule(ScheduledName(state, number));
  return {};
}

std::optional<std::time_t> NextRun(const core::PlanTime& time, std::time_t now) {
  if (time.kind == core::PlanTime::Kind::kAtLogin) return std::nullopt;
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  // tm_wday counts from Sunday; a plan's weekday from Monday.
  const int today = (local.tm_wday + 6) % 7;
  for (int days = 0; days <= 7; ++days) {
    if (time.kind == core::PlanTime::Kind::kWeekly && (today + days) % 7 != time.weekday) {
      continue;
    }
    std::tm candidate = local;
    candidate.tm_mday += days;
    candidate.tm_hour = time.hour;
    candidate.tm_min = time.minute;
    candidate.tm_sec = 0;
    candidate.tm_isdst = -1;
    const std::time_t when = std::mktime(&candidate);
    if (when > now) return when;
  }
  return std::nullopt;
}

}  // namespace tarnwick::engine
