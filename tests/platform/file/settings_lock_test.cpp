#include "platform/file/settings_lock.h"

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
  const auto tryLock = [](const std::string& file, std::chrono::milliseconds patience) {
    return std::async(std::launch::async, [&file, patience] {
      SettingsLock lock;
      return lock.Acquire(file, patience);
    }).get();
  };
  {
    SettingsLock held;
    ASSERT_FALSE(held.Acquire(path, 0ms));
    EXPECT_EQ(tryLock(path, 50ms), std::errc::timed_out);
#ifdef _WIN32
    EXPECT_EQ(tryLock(dir / "TARNWICK.INI", 0ms), std::errc::timed_out);  // any letter case
#endif
  }
  EXPECT_FALSE(tryLock(path, 0ms));  // released with its holder
}

}  // namespace
}  // namespace tarnwick::platform
