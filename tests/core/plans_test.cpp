#include "core/plans.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "support/temp_state.h"

namespace tarnwick::core {
namespace {

using tarnwick::testing::ReadFile;
using tarnwick::testing::TempDir;
using tarnwick::testing::WriteFile;
using Kind = PlanTime::Kind;

TEST(PlanTimes, AreReadAsTheCommandLineGivesThem) {
  const struct {
    const char* day;  // none: daily
    const char* clock;
    std::optional<PlanTime> time;
  } cases[] = {
      {nullptr, "03:00", PlanTime{Kind::kDaily, 0, 3, 0}},
      {nullptr, "23:59", PlanTime{Kind::kDaily, 0, 23, 59}},
      {nullptr, "24:00", std::nullopt},
      {nullptr, "3:00", std::nullopt},
      {nullptr, "03:60", std::nullopt},
      {nullptr, "0a:00", std::nullopt},
      {"Mo", "04:30", PlanTime{Kind::kWeekly, 0, 4, 30}},
      {"sonntag", "04:30", PlanTime{Kind::kWeekly, 6, 4, 30}},
      {"FRI", "00:00", PlanTime{Kind::kWeekly, 4, 0, 0}},
      {"Mon.", "04:30", std::nullopt},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.day ? WeeklyAt(c.day, c.clock) : DailyAt(c.clock), c.time) << c.clock;
  }
  EXPECT_EQ(PlanTimeText(*WeeklyAt("di", "07:05")), "wöchentlich Di 07:05");
  EXPECT_EQ(PlanTimeText(PlanTime{Kind::kAtLogin}), "bei der Anmeldung");
}

class Plans : public ::testing::Test {
 protected:
  Plan Made(const std::string& folder, PlanTime time) {
    Plan plan;
    plan.folder = folder;
    plan.identity = {7, folder.size()};
    plan.time = time;
    return plan;
  }

  std::vector<Plan> Loaded(size_t* damaged = nullptr) {
    std::vector<Plan> plans;
    EXPECT_FALSE(LoadPlans(state_, plans, damaged));
    return plans;
  }

  TempDir dir_;
  AppState state_ = testing::StateIn(dir_);
};

// Every field comes back as it was kept, a folder with any bytes in its name too; the same
// plan again changes nothing; numbers are not given twice while a plan has them.
TEST_F(Plans, AreKeptInTheSettingsFileAndComeBackAsTheyWere) {
  Plan first = Made("/home/u/Down loads|%\xc3\xa4", *DailyAt("03:00"));
  first.limit = 20;
  Plan second = Made("/srv/x", PlanTime{Kind::kAtLogin});
  bool added = false;
  ASSERT_FALSE(AddPlan(state_, first, added));
  EXPECT_TRUE(added);
  ASSERT_FALSE(AddPlan(state_, second, added));
  EXPECT_EQ(first.number, 1u);
  EXPECT_EQ(second.number, 2u);
  Plan again = Made(first.folder, first.time);
  ASSERT_FALSE(AddPlan(state_, again, added));
  EXPECT_FALSE(added);
  EXPECT_EQ(again, first);

  const PlanRun run{1765000000, 4, 12, "moved"};
  ASSERT_FALSE(NoteRun(state_, 2, run));
  second.lastRun = run;
  EXPECT_EQ(Loaded(), (std::vector<Plan>{first, second}));

  ASSERT_FALSE(RemovePlan(state_, 1));
  EXPECT_EQ(RemovePlan(state_, 1), std::errc::no_such_file_or_directory);
  Plan third = Made("/srv/y", *DailyAt("01:00"));
  ASSERT_FALSE(AddPlan(state_, third, added));
  EXPECT_EQ(third.number, 3u);
  EXPECT_EQ(Loaded(), (std::vector<Plan>{second, third}));
}

// A damaged plan is left out and said; the plans are then not changed at all, so that it is not
// lost with the next change.
TEST_F(Plans, ADamagedPlanIsSaidAndTheFileIsLeftAsItIs) {
  const std::string text =
      "[Kelvane Tarnwick]\nPlaene=2\nPlan1=1|taeglich 03:00|500|7|6|%2Fsrv|0|0|0|\n"
      "Plan2=2|manchmal|500|7|6|%2Fsrv|0|0|0|\n";
  WriteFile(state_.SettingsPath, text);
  size_t damaged = 0;
  EXPECT_EQ(Loaded(&damaged).size(), 1u);
  EXPECT_EQ(damaged, 1u);
  EXPECT_EQ(RemovePlan(state_, 1), DamagedPlan());
  Plan plan = Made("/srv/z", *DailyAt("02:00"));
  bool added = false;
  EXPECT_EQ(AddPlan(state_, plan, added), DamagedPlan());
  EXPECT_EQ(ReadFile(state_.SettingsPath), text);
}

}  // namespace
}  // namespace tarnwick::core
