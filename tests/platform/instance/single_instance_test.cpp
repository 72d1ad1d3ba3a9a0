#include "platform/instance/single_instance.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "platform/process/executable_location.h"
#include "support/temp_dir.h"

namespace tarnwick::platform {
namespace {

TEST(SingleInstanceLock, OneHolderPerExecutableAndFreeAgainWhenItEnds) {
  const std::string program = "/opt/tarnwick-lock-test/" + std::to_string(::testing::UnitTest::GetInstance()->random_seed());
  std::optional<SingleInstanceLock> first(std::in_place, program);
  ASSERT_EQ(first->outcome(), SingleInstanceLock::Outcome::kAcquired);
  EXPECT_EQ(SingleInstanceLock(program).outcome(), SingleInstanceLock::Outcome::kHeldElsewhere);
  EXPECT_EQ(SingleInstanceLock(program + "-other").outcome(), SingleInstanceLock::Outcome::kAcquired);
  first.reset();
  EXPECT_EQ(SingleInstanceLock(program).outcome(), SingleInstanceLock::Outcome::kAcquired);
}

#ifndef _WIN32
TEST(SingleInstanceLock, WithoutARuntimeFolderLivesInTheUsersOwnCache) {
  tarnwick::testing::TempDir cache;
  const std::string runtime = std::getenv("XDG_RUNTIME_DIR") ? std::getenv("XDG_RUNTIME_DIR") : "";
  ::unsetenv("XDG_RUNTIME_DIR");
  ::setenv("XDG_CACHE_HOME", cache.path().c_str(), 1);
  {
    const SingleInstanceLock first("/opt/tarnwick-cache-test");
    EXPECT_EQ(first.outcome(), SingleInstanceLock::Outcome::kAcquired);
    EXPECT_EQ(SingleInstanceLock("/opt/tarnwick-cache-test").outcome(),
              SingleInstanceLock::Outcome::kHeldElsewhere);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(cache.path() / "tarnwick"), {}), 1);
  }
  ::unsetenv("XDG_CACHE_HOME");
  if (!runtime.empty()) ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
}
#endif

#ifdef _WIN32
TEST(SingleInstanceLock, EverySpellingOfTheProgramFileIsTheSameInstance) {
  tarnwick::testing::TempDir dir;
  const std::string program = dir / "Tarnwick.exe";
  tarnwick::testing::WriteFile(program, "");
  const SingleInstanceLock first(program);
  ASSERT_EQ(first.outcome(), SingleInstanceLock::Outcome::kAcquired);
  std::string upper = program, slashes = program;
  std::transform(upper.begin(), upper.end(), upper.begin(), [](char c) { return std::toupper(c); });
  std::replace(slashes.begin(), slashes.end(), '\\', '/');
  for (const std::string& spelling : {upper, slashes}) {
    EXPECT_EQ(SingleInstanceLock(spelling).outcome(), SingleInstanceLock::Outcome::kHeldElsewhere)
        << spelling;
  }
}
#endif

TEST(CurrentExecutable, IsThisTestProgram) {
  const auto executable = CurrentExecutable();
  ASSERT_TRUE(executable.has_value());
  EXPECT_EQ(WithoutExtension(executable->fileName), "platform_tests");
  EXPECT_FALSE(executable->directory.empty());
}

}  // namespace
}  // namespace tarnwick::platform
