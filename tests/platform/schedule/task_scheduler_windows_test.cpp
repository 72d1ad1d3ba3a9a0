#include "platform/schedule/task_definition.h"

#include <gtest/gtest.h>

#include "platform/windows/windows_support.h"  // windows.h first

#include <oleauto.h>
#include <shellapi.h>
#include <taskschd.h>

#include "platform/schedule/scheduler.h"
#include "platform/windows/com_support.h"
#include "support/task_scheduler_windows.h"

namespace tarnwick::platform {
namespace {

using Kind = ScheduleTime::Kind;
using tarnwick::testing::RegisteredPath;

ScheduledRun PlanRun(ScheduleTime time) {
  return {"tarnwick-test-plan-1", "Tarnwick: Plan 1 (C:\\Users\\u\\Downloads)", time,
          {"C:\\Program Files\\Tarnwick\\tarnwick-cli.exe", "--run-plan", "1", "--settings",
           "C:\\Users\\u\\AppData\\Roaming\\Tarnwick\\tarnwick.ini"}};
}

// What CommandLineToArgvW splits the line into.
std::vector<std::wstring> SplitBack(const std::wstring& line) {
  int count = 0;
  wchar_t** arguments = ::CommandLineToArgvW((L"program " + line).c_str(), &count);
  std::vector<std::wstring> split(arguments + 1, arguments + count);
  ::LocalFree(arguments);
  return split;
}

TEST(TaskDefinition, ArgumentsComeBackAsTheyWereGiven) {
  for (const std::vector<std::wstring>& arguments :
       {std::vector<std::wstring>{L"--settings", L"C:\\a b\\t.ini"},
        {L"say \"x\"", L"ends in \\", L"ends in \\ and blank "},
        {L"", L"%PATH%", L"a\\\\\"b"}}) {
    EXPECT_EQ(SplitBack(WindowsCommandLine(arguments)), arguments);
  }
}

TEST(TaskDefinition, IsTheXmlTheTaskSchedulerRegisters) {
  const std::wstring daily = TaskDefinition(PlanRun({Kind::kDaily, 0, 3, 0}), L"PC\\u");
  for (const wchar_t* part :
       {L"<CalendarTrigger>\n      <StartBoundary>2026-01-05T03:00:00</StartBoundary>\n"
        L"      <ScheduleByDay>\n        <DaysInterval>1</DaysInterval>\n",
        L"<UserId>PC\\u</UserId>\n      <LogonType>InteractiveToken</LogonType>\n"
        L"      <RunLevel>LeastPrivilege</RunLevel>",
        L"<MultipleInstancesPolicy>IgnoreNew</MultipleInstancesPolicy>",
        L"<DisallowStartIfOnBatteries>false</DisallowStartIfOnBatteries>",
        L"<StartWhenAvailable>true</StartWhenAvailable>",
        L"<Command>C:\\Program Files\\Tarnwick\\tarnwick-cli.exe</Command>\n"
        L"      <Arguments>--run-plan 1 --settings "
        L"C:\\Users\\u\\AppData\\Roaming\\Tarnwick\\tarnwick.ini</Arguments>"}) {
    EXPECT_NE(daily.find(part), std::wstring::npos) << Narrow(part);
  }
  EXPECT_NE(TaskDefinition(PlanRun({Kind::kWeekly, 6, 23, 5}), L"PC\\u")
                .find(L"<WeeksInterval>1</WeeksInterval>\n        <DaysOfWeek><Sunday /></DaysOfWeek>"),
            std::wstring::npos);
  EXPECT_NE(TaskDefinition(PlanRun({Kind::kAtLogin}), L"PC\\u&Co")
                .find(L"<LogonTrigger>\n      <UserId>PC\\u&amp;Co</UserId>"),
            std::wstring::npos);
}

// Wine keeps such tasks, though it never starts them (and reads back little of their
// definition, whose text is checked above): registered, changed, read back and removed through
// the Task Scheduler's own interface.
TEST(TaskScheduler, RegistersChangesAndRemovesTheTaskOfARun) {
  ScheduledRun run = PlanRun({Kind::kDaily, 0, 3, 0});
  run.name = "tarnwick-test-" + std::to_string(::GetCurrentProcessId()) + "-plan-1";
  const std::wstring path = L"\\Tarnwick\\" + Wide(run.name);
  ASSERT_FALSE(SystemScheduler().Schedule(run));
  EXPECT_EQ(RegisteredPath(run.name), path);
  run.time = {Kind::kWeekly, 1, 4, 30};
  ASSERT_FALSE(SystemScheduler().Schedule(run));  // the same task, changed
  EXPECT_EQ(RegisteredPath(run.name), path);
  EXPECT_FALSE(SystemScheduler().Unschedule(run.name));
  EXPECT_EQ(RegisteredPath(run.name), L"");
  EXPECT_FALSE(SystemScheduler().Unschedule(run.name));  // none left: nothing to do
}

}  // namespace
}  // namespace tarnwick::platform
