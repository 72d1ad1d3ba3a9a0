#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

#include "platform/posix/posix_support.h"
#include "platform/process/run_program.h"

extern char** environ;

namespace tarnwick::platform {

std::optional<ProgramRun> RunProgram(std::vector<std::string> arguments, const std::string& input) {
  int in[2], out[2];
  if (::pipe2(in, O_CLOEXEC) != 0) return std::nullopt;
  UniqueFd inRead(in[0]), inWrite(in[1]);
  if (::pipe2(out, O_CLOEXEC) != 0) return std::nullopt;
  UniqueFd outRead(out[0]), outWrite(out[1]);
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, inRead.get(), STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, outWrite.get(), STDOUT_FILENO);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  pid_t child = 0;
  const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return std::nullopt;
  inRead = UniqueFd();
  outWrite = UniqueFd();
  // A program that stops reading early must not end this one.
  const auto previous = ::signal(SIGPIPE, SIG_IGN);
  for (size_t written = 0; written < input.size();) {
    const ssize_t step = ::write(inWrite.get(), input.data() + written, input.size() - written);
    if (step < 0 && errno == EINTR) continue;
    if (step <= 0) break;
    written += static_cast<size_t>(step);
  }
  ::signal(SIGPIPE, previous);
  inWrite = UniqueFd();
  ProgramRun run;
  char buffer[4096];
  for (;;) {
    const ssize_t got = ::read(outRead.get(), buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) break;
    run.output.append(buffer, static_cast<size_t>(got));
  }
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(status)) run.status = WEXITSTATUS(status);
  return run;
}

}  // namespace tarnwick::platform
