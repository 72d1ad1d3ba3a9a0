// The system's own scheduler, per user and without administrator rights: systemd's user
// timers on Linux, the Task Scheduler on Windows. A run is a command line started at a time.
#pragma once

#include <cstdint>
#include <string>
#include <system_error>
#include <vector>

namespace tarnwick::platform {

// When a scheduled run starts.
struct ScheduleTime {
  enum class Kind : uint8_t { kDaily, kWeekly, kAtLogin };
  Kind kind = Kind::kDaily;
  int weekday = 0;  // 0 for Monday to 6 for Sunday, for kWeekly
  int hour = 0;
  int minute = 0;
  friend bool operator==(const ScheduleTime&, const ScheduleTime&) = default;
};

struct ScheduledRun {
  std::string name;         // the system's name for it, unique per user: letters, digits, '-'
  std::string description;  // what the system shows of it
  ScheduleTime time;
  std::vector<std::string> command;  // the program (an absolute path) and its arguments
  // Where no user manager takes it up, its line goes into the user's crontab (asked for only).
  bool cronWithoutUserManager = false;
};

// Why a run was not scheduled, beyond the system's own errors.
enum class ScheduleError {
  kNoUserManager = 1,  // its definition is written, but no user manager runs to start it
  kInCrontab,          // no user manager runs: its line is in the user's crontab instead
};
const std::error_category& ScheduleCategory();
inline std::error_code make_error_code(ScheduleError error) {
  return {static_cast<int>(error), ScheduleCategory()};
}

class Scheduler {
 public:
  virtual ~Scheduler() = default;
  // Adds the run, or replaces the one of the same name.
  virtual std::error_code Schedule(const ScheduledRun& run) = 0;
  // Removes the run of that name; nothing when there is none.
  virtual std::error_code Unschedule(const std::string& name) = 0;
};

// The system's scheduler, or the one tests put in its place.
Scheduler& SystemScheduler();
// Puts `scheduler` in the system's place (nullptr puts it back); returns the one it replaces.
Scheduler* ReplaceScheduler(Scheduler* scheduler);

}  // namespace tarnwick::platform

namespace std {
template <>
struct is_error_code_enum<tarnwick::platform::ScheduleError> : true_type {};
}  // namespace std
