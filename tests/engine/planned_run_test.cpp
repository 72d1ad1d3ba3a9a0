#include "engine/planned_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ctime>
#include <functional>

#include "core/name_list_store.h"
#include "engine/plan_schedule.h"
#include "core/trash_history.h"
#include "platform/instance/single_instance.h"
#include "platform/trash/trash_record.h"
#include "support/scoped_variable.h"
#include "support/temp_dir.h"
#include "support/temp_state.h"

namespace tarnwick::engine {
namespace {

namespace fs = std::filesystem;
using tarnwick::testing::ReadFile;
using tarnwick::testing::ScopedVariable;
using tarnwick::testing::TempDir;
using tarnwick::testing::WriteFile;
using Outcome = PlannedRun::Outcome;

class PlannedRunTest : public ::testing::Test {
 public:  // the cases' changes reach in
  PlannedRunTest() : dataHome_("XDG_DATA_HOME", dir_ / "data") {
    WriteFile(dir_ / "elsewhere/Setup.log", "elsewhere");
    plan_.number = 1;
    plan_.folder = dir_ / "plan";
    Reset();
  }

  // The plan's folder with two listed files, as the plan was made for it.
  void Reset() {
    fs::remove_all(dir_ / "old");
    if (fs::is_symlink(dir_ / "plan")) fs::remove(dir_ / "plan");  // the link itself
    fs::remove_all(dir_ / "plan");
    WriteFile(dir_ / "plan/a/Setup.log", "a");
    WriteFile(dir_ / "plan/b/Setup.log", "b");
    SaveNames({"Setup.log"});
    plan_.limit = core::kDefaultPlanLimit;
    plan_.identity = *platform::IdentityOfFolder(plan_.folder);
  }

  void SaveNames(const std::vector<std::string>& entries) {
    core::NameList names;
    for (const std::string& name : entries) names.Append(name);
    ASSERT_FALSE(core::SaveNameList(state_, names));
  }

  TempDir dir_;
  ScopedVariable dataHome_;
  core::AppState state_ = testing::StateIn(dir_);
  core::Plan plan_;
};

// A run on its own moves nothing, and says why, wherever a person watching would have stopped.
TEST_F(PlannedRunTest, MovesOnlyWhatThePlanWasMadeForAndNoMore) {
  using Meanwhile = std::function<void(PlannedRunTest&)>;
  const auto nothing = [](PlannedRunTest&) {};
  const struct {
    const char* what;
    Meanwhile meanwhile;
    Outcome outcome;
    bool moved;
  } cases[] = {
      {"as planned", nothing, Outcome::kMoved, true},
      {"the folder gone", [](PlannedRunTest& t) { fs::rename(t.dir_ / "plan", t.dir_ / "old"); },
       Outcome::kFolderGone, false},
      {"another folder in its place",
       [](PlannedRunTest& t) {
         fs::rename(t.dir_ / "plan", t.dir_ / "old");
         WriteFile(t.dir_ / "plan/Setup.log", "new");
       },
       Outcome::kFolderReplaced, false},
      {"a link in its place",
       [](PlannedRunTest& t) {
         fs::rename(t.dir_ / "plan", t.dir_ / "old");
         fs::create_directory_symlink(t.dir_ / "elsewhere", t.dir_ / "plan");
       },
       Outcome::kFolderReplaced, false},
      {"the list empty",
       [](PlannedRunTest& t) { WriteFile(t.state_.SettingsPath, "[Kelvane Tarnwick]\nFiles=0\n"); },
       Outcome::kListEmpty, false},
      {"more files than allowed", [](PlannedRunTest& t) { t.plan_.limit = 1; }, Outcome::kOverLimit,
       false},
      {"a settings file others may change",
       [](PlannedRunTest& t) {
         fs::permissions(t.state_.SettingsPath, fs::perms::others_write, fs::perm_options::add);
       },
       Outcome::kSettingsNotPrivate, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Reset();
    c.meanwhile(*this);
    const PlannedRun run = RunPlan(state_, plan_, nullptr);
    EXPECT_EQ(run.outcome, c.outcome);
    const bool replaced =
        c.outcome == Outcome::kFolderGone || c.outcome == Outcome::kFolderReplaced;
    const std::string kept = replaced ? "old" : "plan";
    EXPECT_EQ(fs::exists(dir_ / (kept + "/a/Setup.log")), !c.moved);
    EXPECT_TRUE(fs::exists(dir_ / "elsewhere/Setup.log"));
    if (c.outcome == Outcome::kOverLimit) {
      EXPECT_EQ(run.found, 2u);
    }
    if (c.moved) {
      // Kept as a planned pass, and named by its number.
      const auto passes = core::KeptPasses(state_);
      ASSERT_FALSE(passes.empty());
      EXPECT_EQ(run.passNumber, passes.front().number);
      EXPECT_EQ(platform::ParseTrashRecord(ReadFile(passes.front().recordPath)).record.plan, 1u);
    }
  }
}

TEST_F(PlannedRunTest, StandsDownWhileAnotherRunOfTheseSettingsHoldsTheLock) {
  const platform::SingleInstanceLock other(state_.SettingsPath + "#geplant");
  ASSERT_EQ(other.outcome(), platform::SingleInstanceLock::Outcome::kAcquired);
  EXPECT_EQ(RunPlan(state_, plan_, nullptr).outcome, Outcome::kBusy);
  EXPECT_TRUE(fs::exists(dir_ / "plan/a/Setup.log"));
}

// The next run of a plan, by a clock the test sets: later today, or on the next day it is due.
TEST(NextRun, IsTheNextTimeThePlanIsDue) {
  const ScopedVariable zone("TZ", "UTC");
  ::tzset();
  const std::time_t wednesdayNoon = 1796817600;  // Wed 2026-12-09 12:00 UTC
  const struct {
    core::PlanTime time;
    std::optional<std::time_t> next;
  } cases[] = {
      {*core::DailyAt("13:30"), wednesdayNoon + 5400},
      {*core::DailyAt("12:00"), wednesdayNoon + 86400},
      {*core::DailyAt("03:00"), wednesdayNoon + 15 * 3600},
      {*core::WeeklyAt("Mi", "18:00"), wednesdayNoon + 6 * 3600},
      {*core::WeeklyAt("Mi", "11:00"), wednesdayNoon + 7 * 86400 - 3600},
      {*core::WeeklyAt("Mo", "00:00"), wednesdayNoon + 4 * 86400 + 12 * 3600},
      {core::PlanTime{core::PlanTime::Kind::kAtLogin}, std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NextRun(c.time, wednesdayNoon), c.next) << core::PlanTimeText(c.time);
  }
}

}  // namespace
}  // namespace tarnwick::engine
