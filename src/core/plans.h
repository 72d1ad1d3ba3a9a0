// Plans: a folder cleaned on its own at a set time, by the system's scheduler, always to the
// trash. Kept in the settings file beside the list, so that they go wherever the list goes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/app_state.h"
#include "platform/dir/directory_handle.h"
#include "platform/schedule/scheduler.h"

namespace tarnwick::core {

// The most files a planned run moves unless its plan says otherwise; a run that would move
// more moves nothing.
inline constexpr uint32_t kDefaultPlanLimit = 500;

// When a plan runs.
using PlanTime = platform::ScheduleTime;

// "HH:MM" as a time of day.
std::optional<PlanTime> DailyAt(std::string_view clock);
// A day ("Mo", "Montag", "mon", "monday", any case) and "HH:MM".
std::optional<PlanTime> WeeklyAt(std::string_view day, std::string_view clock);
// The day of a weekly plan, 0 for Monday to 6 for Sunday, by its German name ("Montag").
const char* WeekdayName(int weekday);
// A plan's limit as typed: a whole number from 1.
std::optional<uint32_t> PlanLimitOf(std::string_view text);
// "täglich 03:00", "wöchentlich Mo 03:00", "bei der Anmeldung".
std::string PlanTimeText(const PlanTime& time);

// What the last run of a plan did.
struct PlanRun {
  int64_t when = 0;     // seconds since 1970
  uint64_t pass = 0;    // the kept pass it made; 0 when it moved nothing
  uint64_t moved = 0;   // files moved to the trash
  std::string outcome;  // what came of it, as a stable code ("moved", "folder_gone", ...)
  friend bool operator==(const PlanRun&, const PlanRun&) = default;
};

struct Plan {
  uint32_t number = 0;
  std::string folder;               // as the user gave it, made absolute
  platform::FileIdentity identity;  // who the folder was when the plan was made
  PlanTime time;
  uint32_t limit = kDefaultPlanLimit;
  std::optional<PlanRun> lastRun;
  friend bool operator==(const Plan&, const Plan&) = default;
};

// A stored plan is damaged: the plans are then left as they are, not changed.
std::error_code DamagedPlan();

// The plans of the settings file, by number. A plan whose entry is damaged is left out and
// counted in `damaged`, when given; the file stays as it is.
std::error_code LoadPlans(const AppState& state, std::vector<Plan>& plans,
                          size_t* damaged = nullptr);

// Adds `plan` under the next free number, which it is given. A plan for the same folder at the
// same time is there already: nothing changes, `plan` becomes that one and `added` is false.
std::error_code AddPlan(const AppState& state, Plan& plan, bool& added);
// Removes the plan of that number; std::errc::no_such_file_or_directory when there is none.
std::error_code RemovePlan(const AppState& state, uint32_t number);
// Keeps what the last run of a plan did.
std::error_code NoteRun(const AppState& state, uint32_t number, const PlanRun& run);

}  // namespace tarnwick::core
