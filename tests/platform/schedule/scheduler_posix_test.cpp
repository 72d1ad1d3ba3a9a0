#include "platform/schedule/scheduler.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/file/held_file.h"
#include "platform/file/private_folder.h"
#include "support/scoped_variable.h"
#include "support/temp_dir.h"

namespace tarnwick::platform {
namespace {

namespace fs = std::filesystem;
using tarnwick::testing::ReadFile;
using tarnwick::testing::ScopedVariable;
using tarnwick::testing::TempDir;
using tarnwick::testing::WriteFile;

// The user's unit folder as systemd reads it: written through its handle, never through a link
// at a unit's name, and only while no one else may change the folder. No systemctl is found on
// PATH, so nothing is enabled on the machine running the test.
TEST(SystemdScheduler, WritesItsUnitsOnlyIntoTheUsersOwnFolderAndNeverThroughALink) {
  TempDir dir;
  const ScopedVariable config("XDG_CONFIG_HOME", dir / "config");
  const ScopedVariable path("PATH", dir / "no-programs");
  const std::string units = dir / "config/systemd/user";
  const ScheduledRun run{"t-plan-1", "Tarnwick: Plan 1", {}, {"/bin/true"}};

  EXPECT_EQ(SystemScheduler().Schedule(run), ScheduleError::kNoUserManager);
  EXPECT_NE(ReadFile(units + "/t-plan-1.timer").find("OnCalendar="), std::string::npos);
  EXPECT_EQ(SystemScheduler().Schedule(run), ScheduleError::kNoUserManager);  // replaced

  WriteFile(dir / "elsewhere", "mine");
  fs::remove(units + "/t-plan-1.service");
  fs::create_symlink(dir / "elsewhere", units + "/t-plan-1.service");
  EXPECT_EQ(SystemScheduler().Schedule(run), NotARegularFile());
  EXPECT_EQ(ReadFile(dir / "elsewhere"), "mine");

  fs::remove(units + "/t-plan-1.service");
  fs::permissions(units, fs::perms::others_write, fs::perm_options::add);
  EXPECT_EQ(SystemScheduler().Schedule(run), PrivacyError::kWritableByOthers);
  fs::permissions(units, fs::perms::others_write, fs::perm_options::remove);

  EXPECT_FALSE(SystemScheduler().Unschedule("t-plan-1"));
  EXPECT_FALSE(fs::exists(units + "/t-plan-1.timer"));
  EXPECT_FALSE(SystemScheduler().Unschedule("t-plan-1"));  // none left: nothing to do
}

}  // namespace
}  // namespace tarnwick::platform
