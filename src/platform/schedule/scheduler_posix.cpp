// systemd's user units: written into the user's unit folder, taken up by the user manager
// through systemctl. Written first, so that a user manager that does not run now finds them
// when it starts.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/schedule/scheduler.h"
#include "platform/schedule/systemd_units.h"

extern char** environ;

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

// Runs `systemctl --user` with `arguments`, its output let go; whether it succeeded.
bool Systemctl(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), {"systemctl", "--user", "--quiet"});
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  const int spawned = posix_spawnp(&child, "systemctl", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return false;
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
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
    return taken ? std::error_code() : make_error_code(ScheduleError::kNoUserManager);
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
    return {};
  }
};

}  // namespace

Scheduler& OwnScheduler() {
  static SystemdScheduler scheduler;
  return scheduler;
}

}  // namespace tarnwick::platform
