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
namespace {

constexpr size_t kKeptBytes = size_t{1} << 20;

// Reads `from` to its end into `into`; false when it held more than kKeptBytes.
bool ReadAll(int from, std::string& into) {
  char buffer[4096];
  for (;;) {
    const ssize_t got = ::read(from, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return true;
    if (into.size() + static_cast<size_t>(got) > kKeptBytes) return false;
    into.append(buffer, static_cast<size_t>(got));
  }
}

}  // namespace

std::optional<ProgramRun> RunProgram(std::vector<std::string> arguments, const std::string& input) {
  int in[2], out[2];
  if (::pipe2(in, O_CLOEXEC) != 0) return std::nullopt;
  UniqueFd inRead(in[0]), inWrite(in[1]);
  if (::pipe2(out, O_CLOEXEC) != 0) return std::nullopt;
  UniqueFd outRead(out[0]), outWrite(out[1]);
  int err[2];
  if (::pipe2(err, O_CLOEXEC) != 0) return std::nullopt;
  UniqueFd errRead(err[0]), errWrite(err[1]);
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, inRead.get(), STDIN_FILENO);
  posix_spawn_file_actions_adddup2(&actions, outWrite.get(), STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(&actions, errWrite.get(), STDERR_FILENO);
  pid_t child = 0;
  const int spawned = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return std::nullopt;
  inRead = UniqueFd();
  outWrite = UniqueFd();
  errWrite = UniqueFd();
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
  // Its errors are read after its output: the tools run here write a line or two of them.
  ProgramRun run;
  const bool whole = ReadAll(outRead.get(), run.output) && ReadAll(errRead.get(), run.errors);
  outRead = UniqueFd();
  errRead = UniqueFd();
  int status = 0;
  while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  if (whole && WIFEXITED(status)) run.status = WEXITSTATUS(status);
  return run;
}

}  // namespace tarnwick::platform
