#include "platform/schedule/systemd_units.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>

#include "support/temp_dir.h"

namespace tarnwick::platform {
namespace {

using tarnwick::testing::TempDir;
using tarnwick::testing::WriteFile;
using Kind = ScheduleTime::Kind;

ScheduledRun PlanRun(ScheduleTime time) {
  return {"tarnwick-0123-plan-1",
          "Tarnwick: Plan 1 (/home/u/Downloads)",
          time,
          {"/usr/bin/tarnwick-cli", "--run-plan", "1", "--settings", "/home/u/.config/t.ini"}};
}

TEST(SystemdUnits, AreTheTextTheUserManagerReads) {
  EXPECT_EQ(TimerUnit(PlanRun({Kind::kDaily, 0, 3, 0})),
            "[Unit]\nDescription=Tarnwick: Plan 1 (/home/u/Downloads)\n\n"
            "[Timer]\nOnCalendar=*-*-* 03:00:00\nPersistent=true\nRandomizedDelaySec=5min\n\n"
            "[Install]\nWantedBy=timers.target\n");
  EXPECT_EQ(OnCalendarOf({Kind::kWeekly, 6, 23, 5}), "Sun *-*-* 23:05:00");
  EXPECT_EQ(ServiceUnit(PlanRun({Kind::kDaily, 0, 3, 0})),
            "[Unit]\nDescription=Tarnwick: Plan 1 (/home/u/Downloads)\n\n"
            "[Service]\nType=oneshot\nExecStart=\"/usr/bin/tarnwick-cli\" \"--run-plan\" \"1\" "
            "\"--settings\" \"/home/u/.config/t.ini\"\n");
  EXPECT_TRUE(
      ServiceUnit(PlanRun({Kind::kAtLogin})).ends_with("\n[Install]\nWantedBy=default.target\n"));
}

TEST(SystemdUnits, ExpandNothingInTheCommandAndCronIsOfferedTheSame) {
  EXPECT_EQ(ExecLine({"/opt/a b/cli", "100%", "$HOME", "say \"x\"\\", "line\nend"}),
            "\"/opt/a b/cli\" \"100%%\" \"$$HOME\" \"say \\\"x\\\"\\\\\" \"line\\x0aend\"");
  ScheduledRun run = PlanRun({Kind::kWeekly, 0, 4, 30});
  run.command = {"/opt/it's/cli", "50%"};
  EXPECT_EQ(CrontabLine(run), "30 4 * * 1 '/opt/it'\\''s/cli' '50\\%'");
  EXPECT_EQ(CrontabLine(PlanRun({Kind::kDaily, 0, 3, 7})).substr(0, 10), "7 3 * * * ");
  EXPECT_EQ(CrontabLine(PlanRun({Kind::kAtLogin})), "");
}

// systemd's own check, where the machine has systemd-analyze.
TEST(SystemdUnits, PassSystemdsOwnCheck) {
  if (std::system("systemd-analyze --version >/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "no systemd-analyze here";
  }
  TempDir dir;
  ::mkdir((dir / "runtime").c_str(), 0700);
  for (const ScheduleTime time :
       {ScheduleTime{Kind::kDaily, 0, 3, 0}, ScheduleTime{Kind::kWeekly, 2, 12, 30}}) {
    ScheduledRun run = PlanRun(time);
    run.command[0] = "/bin/true";
    WriteFile(dir / (run.name + ".service"), ServiceUnit(run));
    WriteFile(dir / (run.name + ".timer"), TimerUnit(run));
    const std::string check = "XDG_RUNTIME_DIR=" + (dir / "runtime") +
                              " systemd-analyze verify --user " + (dir / run.name) + ".timer " +
                              (dir / run.name) + ".service >/dev/null 2>&1";
    EXPECT_EQ(std::system(check.c_str()), 0) << OnCalendarOf(time);
    const std::string calendar =
        "systemd-analyze calendar '" + OnCalendarOf(time) + "' >/dev/null 2>&1";
    EXPECT_EQ(std::system(calendar.c_str()), 0) << OnCalendarOf(time);
  }
}

}  // namespace
}  // namespace tarnwick::platform
