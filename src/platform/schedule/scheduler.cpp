#include "platform/schedule/scheduler.h"

#include <atomic>

namespace tarnwick::platform {
namespace {

class ScheduleErrorCategory : public std::error_category {
 public:
  const char* name() const noexcept override { return "tarnwick.schedule"; }
  std::string message(int error) const override {
    return error == static_cast<int>(ScheduleError::kInCrontab)
               ? "no user manager runs: the run is in the user's crontab"
               : "written, but no user manager runs to start it";
  }
};

std::atomic<Scheduler*> replacement{nullptr};

}  // namespace

// The system's own scheduler, made where the system is known.
Scheduler& OwnScheduler();

const std::error_category& ScheduleCategory() {
  static const ScheduleErrorCategory category;
  return category;
}

Scheduler& SystemScheduler() {
  Scheduler* replaced = replacement.load();
  return replaced != nullptr ? *replaced : OwnScheduler();
}

Scheduler* ReplaceScheduler(Scheduler* scheduler) { return replacement.exchange(scheduler); }

}  // namespace tarnwick::platform
