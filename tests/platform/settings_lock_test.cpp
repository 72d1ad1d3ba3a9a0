#include "platform/settings_lock.h"

#include <gtest/gtest.h>

#include <future>

#include "support/temp_dir.h"

namespace tarnwick::platform {
namespace {

using namespace std::chrono_literals;

TEST(SettingsLock, AnotherWriterWaitsForItAndGivesUpInTime) {
  tarnwick::testing::TempDir dir;
  const std::string path = dir / "tarnwick.ini";
  // Another thread stands for another process: the lock is not held per thread on any system.
  const auto tryLock = [&path](std::chrono::milliseconds patience) {
    return std::async(std::launch::async, [&path, patience] {
      SettingsLock lock;
      return lock.Acquire(path, patience);
    }).get();
  };
  {
    SettingsLock held;
    ASSERT_FALSE(held.Acquire(path, 0ms));
    EXPECT_EQ(tryLock(50ms), std::errc::timed_out);
  }
  EXPECT_FALSE(tryLock(0ms));  // released with its holder
}

}  // namespace
}  // namespace tarnwick::platform
