// Starts that race each other get exactly one instance, and an instance killed outright never
// keeps the next start out.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

#include "figures.h"
#include "platform/instance/single_instance.h"

namespace tarnwick::platform {
namespace {

using hardening::ReportFigure;
using Outcome = SingleInstanceLock::Outcome;

std::string ProgramPath(const char* what) {
  return std::string("/opt/tarnwick-race-test/") + what + "-" + std::to_string(::getpid());
}

struct Pipe {
  Pipe() { EXPECT_EQ(::pipe(ends), 0); }
  ~Pipe() {
    CloseRead();
    CloseWrite();
  }
  void CloseRead() { Close(ends[0]); }
  void CloseWrite() { Close(ends[1]); }
  static void Close(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
  }
  int ends[2] = {-1, -1};
};

// A child process that, once `start` is released, takes the lock, writes its outcome to
// `results` and keeps the lock until `release` closes.
pid_t StartInstance(const std::string& program, Pipe& start, Pipe& results, Pipe& release) {
  const pid_t child = ::fork();
  if (child != 0) return child;
  char byte;
  start.CloseWrite();
  release.CloseWrite();
  (void)::read(start.ends[0], &byte, 1);  // returns when the parent closes its end
  SingleInstanceLock lock(program);
  byte = static_cast<char>(lock.outcome());
  (void)::write(results.ends[1], &byte, 1);
  (void)::read(release.ends[0], &byte, 1);
  ::_exit(0);
}

TEST(SingleInstanceRace, RacingStartsGetExactlyOneInstance) {
  constexpr int kRounds = 50, kStarts = 8;
  int roundsWithOneInstance = 0;
  for (int round = 0; round < kRounds; ++round) {
    const std::string program = ProgramPath("race") + "-" + std::to_string(round);
    Pipe start, results, release;
    std::vector<pid_t> children;
    for (int i = 0; i < kStarts; ++i) children.push_back(StartInstance(program, start, results, release));
    results.CloseWrite();  // so that a child that died shows as the end of the results
    start.CloseWrite();    // all of them at once
    int acquired = 0, held = 0;
    for (int i = 0; i < kStarts; ++i) {
      char outcome = -1;
      ASSERT_EQ(::read(results.ends[0], &outcome, 1), 1);
      acquired += outcome == static_cast<char>(Outcome::kAcquired) ? 1 : 0;
      held += outcome == static_cast<char>(Outcome::kHeldElsewhere) ? 1 : 0;
    }
    release.CloseWrite();
    for (pid_t child : children) ::waitpid(child, nullptr, 0);
    if (acquired == 1 && held == kStarts - 1) ++roundsWithOneInstance;
  }
  ReportFigure("racing single-instance rounds", kRounds);
  ReportFigure("rounds without exactly one instance", kRounds - roundsWithOneInstance);
  EXPECT_EQ(roundsWithOneInstance, kRounds);
}

TEST(SingleInstanceRace, AnInstanceKilledOutrightDoesNotBlockTheNextStart) {
  const std::string program = ProgramPath("killed");
  for (int attempt = 0; attempt < 5; ++attempt) {
    Pipe start, results, release;
    const pid_t child = StartInstance(program, start, results, release);
    results.CloseWrite();
    start.CloseWrite();
    char outcome = -1;
    ASSERT_EQ(::read(results.ends[0], &outcome, 1), 1);
    ASSERT_EQ(outcome, static_cast<char>(Outcome::kAcquired));
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(SingleInstanceLock(program).outcome(), Outcome::kAcquired);
  }
}

}  // namespace
}  // namespace tarnwick::platform
