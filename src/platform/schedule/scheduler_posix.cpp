// systemd's user units: written into the user's unit folder, taken up by the user manager
// through systemctl. Written first, so that a user manager that does not run now finds them
// when it starts.

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/process/run_program.h"
#include "platform/schedule/crontab.h"
#include "platform/schedule/scheduler.h"
#include "platform/schedule/systemd_units.h"

namespace tarnwick::platform {
namespace {

namespace fs = std::filesystem;

std::string UnitFolder() {
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && config[0] == '/') {
    return std::string(config) + "/systemd/user";
  }
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : "") + "/.config/systemd/user";
}

// Writes `text` as the file at `path` in one replacement.
std::error_code WriteUnit(const fs::path& path, const std::string& text) {
  const fs::path partial = path.string() + ".neu";
  {
    std::ofstream out(partial, std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush()) return std::make_error_code(std::errc::io_error);
  }
  std::error_code error;
  fs::rename(partial, path, error);
  return error;
}

// Runs `systemctl --user` with `arguments`; whether it succeeded.
bool Systemctl(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), {"systemctl", "--user", "--quiet"});
  const auto run = RunProgram(std::move(arguments), "");
  return run && run->status == 0;
}

class SystemdScheduler : public Scheduler {
 public:
  std::error_code Schedule(const ScheduledRun& run) override {
    const fs::path folder = UnitFolder();
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) return error;
    const bool atLogin = run.time.kind == ScheduleTime::Kind::kAtLogin;
    if ((error = WriteUnit(folder / (run.name + ".service"), ServiceUnit(run)))) return error;
    if (!atLogin && (error = WriteUnit(folder / (run.name + ".timer"), TimerUnit(run)))) {
      return error;
    }
    const std::string unit = run.name + (atLogin ? ".service" : ".timer");
    const bool taken = Systemctl({"daemon-reload"}) &&
                       Systemctl(atLogin ? std::vector<std::string>{"enable", unit}
                                         : std::vector<std::string>{"enable", "--now", unit});
    if (taken) return {};
    if (!run.cronWithoutUserManager) return make_error_code(ScheduleError::kNoUserManager);
    if (const std::error_code error = ChangeCrontab(run.name, CrontabLine(run))) return error;
    return make_error_code(ScheduleError::kInCrontab);
  }

  std::error_code Unschedule(const std::string& name) override {
    Systemctl({"disable", "--now", name + ".timer", name + ".service"});
    const fs::path folder = UnitFolder();
    std::error_code error;
    for (const char* kind : {".timer", ".service"}) {
      fs::remove(folder / (name + kind), error);
      if (error) return error;
    }
    Systemctl({"daemon-reload"});
    // A crontab line written for it, where no user manager ran, goes too; without crontab
    // there is none.
    ChangeCrontab(name, "");
    return {};
  }
};

}  // namespace

Scheduler& OwnScheduler() {
  static SystemdScheduler scheduler;
  return scheduler;
}

}  // namespace tarnwick::platform
