// Plans and the system's scheduler together: a plan added is given to it, a plan removed is
// taken from it; both front ends do it this way.
#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <system_error>

#include "core/app_state.h"
#include "core/plans.h"
#include "platform/schedule/scheduler.h"

namespace tarnwick::engine {

// What the scheduler is given for a plan: tarnwick-cli, beside the running program, runs it
// with the settings file in use.
platform::ScheduledRun ScheduledRunOf(const core::AppState& state, const core::Plan& plan);

struct PlanAddition {
  bool added = false;             // false: the same plan was there already (`plan` became it)
  std::error_code saveError;      // the settings file did not take it: nothing was scheduled
  std::error_code scheduleError;  // stored, but the scheduler did not take it (see ScheduleError)
  std::string cronLine;           // with ScheduleError::kNoUserManager, the crontab line that would
};

// Stores `plan` under a number of its own and gives it to the system's scheduler; `cron`: where
// no user manager takes it up, its line goes into the user's crontab.
PlanAddition AddPlan(const core::AppState& state, core::Plan& plan, bool cron = false);

// Removes the plan of that number and takes it from the scheduler; `unscheduleError` says what
// the scheduler kept. std::errc::no_such_file_or_directory when there is no such plan.
std::error_code RemovePlan(const core::AppState& state, uint32_t number,
                           std::error_code& unscheduleError);

// When a daily or weekly plan runs next after `now`, in local time; nothing at login.
std::optional<std::time_t> NextRun(const core::PlanTime& time, std::time_t now);

}  // namespace tarnwick::engine
