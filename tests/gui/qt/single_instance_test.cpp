// Two real starts of the desktop program: the second ends at once and touches nothing.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "support/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using tarnwick::testing::TempDir;
using tarnwick::testing::WriteFile;

pid_t Start(const std::string& program, const std::vector<std::string>& arguments) {
  const pid_t child = ::fork();
  if (child == 0) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
  }
  return child;
}

// The exit status, or -1 when the process still runs after `patience`.
int WaitFor(pid_t child, std::chrono::milliseconds patience) {
  const auto deadline = std::chrono::steady_clock::now() + patience;
  int status = 0;
  while (std::chrono::steady_clock::now() < deadline) {
    if (::waitpid(child, &status, WNOHANG) == child) return WIFEXITED(status) ? WEXITSTATUS(status) : 128;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return -1;
}

class SingleInstance : public ::testing::Test {
 protected:
  SingleInstance() {
    // A copy of its own: the lock belongs to one executable.
    fs::copy_file(TARNWICK_PROGRAM, program_);
    fs::permissions(program_, fs::perms::owner_all);
  }
  TempDir dir_;
  std::string program_ = dir_ / "tarnwick";
  std::string settings_ = dir_ / "tarnwick.ini";
};

TEST_F(SingleInstance, ASecondStartEndsAtOnceWithoutTouchingTheSettings) {
  WriteFile(settings_, "[Kelvane Tarnwick]\nFiles=1\nEintrag0=a\n");
  const auto written = fs::last_write_time(settings_);
  const pid_t first = Start(program_, {});
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));  // let it take the lock
  ASSERT_EQ(WaitFor(first, std::chrono::milliseconds(0)), -1) << "the first start should run";

  for (const std::vector<std::string>& arguments : {std::vector<std::string>{}, {"/tmp"}}) {
    EXPECT_EQ(WaitFor(Start(program_, arguments), std::chrono::seconds(10)), 0);
  }
  EXPECT_EQ(fs::last_write_time(settings_), written);

  // A killed instance leaves no lock behind.
  ::kill(first, SIGKILL);
  ::waitpid(first, nullptr, 0);
  const pid_t next = Start(program_, {});
  std::this_thread::sleep_for(std::chrono::milliseconds(1500));
  EXPECT_EQ(WaitFor(next, std::chrono::milliseconds(0)), -1) << "a new start should run";
  ::kill(next, SIGTERM);
  ::waitpid(next, nullptr, 0);
}

}  // namespace
