// The system's scheduler and the desktop's notifications replaced for as long as a test needs:
// what they were asked for is kept.
#pragma once

#include <map>
#include <string>
#include <system_error>
#include <vector>

#include "platform/notify/notifier.h"
#include "platform/schedule/scheduler.h"

namespace tarnwick::testing {

class StandInScheduler : public platform::Scheduler {
 public:
  StandInScheduler() : replaced_(platform::ReplaceScheduler(this)) {}
  ~StandInScheduler() override { platform::ReplaceScheduler(replaced_); }
  std::error_code Schedule(const platform::ScheduledRun& run) override {
    runs[run.name] = run;
    return answer;
  }
  std::error_code Unschedule(const std::string& name) override {
    runs.erase(name);
    return {};
  }
  std::map<std::string, platform::ScheduledRun> runs;
  std::error_code answer;

 private:
  platform::Scheduler* replaced_;
};

class StandInNotifier : public platform::Notifier {
 public:
  StandInNotifier() : replaced_(platform::ReplaceNotifier(this)) {}
  ~StandInNotifier() override { platform::ReplaceNotifier(replaced_); }
  std::error_code Notify(const std::string&, const std::string& body) override {
    bodies.push_back(body);
    return {};
  }
  std::vector<std::string> bodies;

 private:
  platform::Notifier* replaced_;
};

}  // namespace tarnwick::testing
