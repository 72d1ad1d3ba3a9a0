// systemd's user units: written into the user's unit folder, taken up by the user manager
// through systemctl. Written first, so that a user manager that does not run now finds them
// when it starts.

#include <cstdlib>
#include <filesystem>

#include "platform/file/held_file.h"
#include "platform/file/private_folder.h"
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

// Writes `text` as the unit file `name` of the open unit folder in one replacement, through the
// folder's handle: a link put at its name is refused, never followed.
std::error_code WriteUnit(const DirectoryHandle& folder, const std::string& name,
                          const std::string& text) {
  HeldFile unit;
  std::error_code error = unit.Open(folder, name);
  if (error == std::errc::no_such_file_or_directory) {
    if ((error = unit.Create(folder, name))) return error;
    if ((error = unit.Append(text))) return error;
    return unit.Sync();
  }
  return error ? error : unit.Replace(text);
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
    // The folder is the user's own: a unit there runs a command as the user.
    const fs::path path = UnitFolder();
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    DirectoryHandle folder;
    if (error || (error = OpenPrivateFolder(path, folder))) return error;
    const bool atLogin = run.time.kind == ScheduleTime::Kind::kAtLogin;
    if ((error = WriteUnit(folder, run.name + ".service", ServiceUnit(run)))) return error;
    if (!atLogin && (error = WriteUnit(folder, run.name + ".timer", TimerUnit(run)))) {
      return error;
    }
    const std::string unit = run.name + (atLogin ? ".service" : ".timer");
    const bool taken = Systemctl({"daemon-reload"}) &&
                       Systemctl(atLogin ? std::vector<std::string>{"enable", unit}
                                         : std::vector<std::string>{"enable", "--now", unit});
    if (taken) return {};
    if (!run.cronWithoutUserManager) return make_error_code(ScheduleError::kNoUserManager);
    if ((error = ChangeCrontab(run.name, CrontabLine(run)))) return error;
    return make_error_code(ScheduleError::kInCrontab);
  }

  std::error_code Unschedule(const std::string& name) override {
    Systemctl({"disable", "--now", name + ".timer", name + ".service"});
    DirectoryHandle folder;
    const std::error_code opened = OpenPrivateFolder(UnitFolder(), folder, false);
    if (opened && opened != std::errc::no_such_file_or_directory) return opened;
    for (const char* kind : {".timer", ".service"}) {
      const std::error_code error = opened ? opened : RemoveFileEntry(folder, name + kind);
      if (error && error != std::errc::no_such_file_or_directory) return error;
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
