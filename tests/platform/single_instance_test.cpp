#include "platform/single_instance.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/executable_location.h"

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

TEST(CurrentExecutable, IsThisTestProgram) {
  const auto executable = CurrentExecutable();
  ASSERT_TRUE(executable.has_value());
  EXPECT_EQ(WithoutExtension(executable->fileName), "platform_tests");
  EXPECT_FALSE(executable->directory.empty());
}

}  // namespace
}  // namespace tarnwick::platform
