#include "platform/schedule/task_definition.h"

#include <array>
#include <cwchar>

#include "platform/windows/windows_support.h"

namespace tarnwick::platform {
namespace {

constexpr std::array<const wchar_t*, 7> kTaskDays = {
    L"Monday", L"Tuesday", L"Wednesday", L"Thursday", L"Friday", L"Saturday", L"Sunday"};

std::wstring Escaped(const std::wstring& text) {
  std::wstring escaped;
  for (const wchar_t c : text) {
    switch (c) {
      case L'&':
        escaped += L"&amp;";
        break;
      case L'<':
        escaped += L"&lt;";
        break;
      case L'>':
        escaped += L"&gt;";
        break;
      case L'"':
        escaped += L"&quot;";
        break;
      default:
        escaped += c;
    }
  }
  return escaped;
}

// One argument as the C runtime reads it back: quoted when it holds a blank or a quote, each
// quote and the backslashes before it escaped.
std::wstring QuotedArgument(const std::wstring& argument) {
  if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) {
    return argument;
  }
  std::wstring quoted = L"\"";
  size_t backslashes = 0;
  for (const wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    quoted.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    quoted += c;
  }
  quoted.append(2 * backslashes, L'\\');
  return quoted + L'"';
}

std::wstring Trigger(const ScheduleTime& time, const std::wstring& user) {
  if (time.kind == ScheduleTime::Kind::kAtLogin) {
    return L"    <LogonTrigger>\n      <UserId>" + Escaped(user) +
           L"</UserId>\n    </LogonTrigger>\n";
  }
  wchar_t start[32];
  std::swprintf(start, 32, L"2026-01-05T%02d:%02d:00", time.hour, time.minute);
  std::wstring trigger =
      L"    <CalendarTrigger>\n      <StartBoundary>" + std::wstring(start) + L"</StartBoundary>\n";
  if (time.kind == ScheduleTime::Kind::kWeekly) {
    trigger +=
        L"      <ScheduleByWeek>\n        <WeeksInterval>1</WeeksInterval>\n"
        L"        <DaysOfWeek><" +
        std::wstring(kTaskDays[static_cast<size_t>(time.weekday)]) +
        L" /></DaysOfWeek>\n      </ScheduleByWeek>\n";
  } else {
    trigger +=
        L"      <ScheduleByDay>\n        <DaysInterval>1</DaysInterval>\n"
        L"      </ScheduleByDay>\n";
  }
  return trigger + L"    </CalendarTrigger>\n";
}

}  // namespace

std::wstring WindowsCommandLine(const std::vector<std::wstring>& arguments) {
  std::wstring line;
  for (const std::wstring& argument : arguments) {
    if (!line.empty()) line += L' ';
    line += QuotedArgument(argument);
  }
  return line;
}

std::wstring TaskDefinition(const ScheduledRun& run, const std::wstring& user) {
  std::vector<std::wstring> arguments;
  for (size_t i = 1; i < run.command.size(); ++i) arguments.push_back(Wide(run.command[i]));
  const std::wstring program = run.command.empty() ? std::wstring() : Wide(run.command.front());
  return L"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\n"
         L"<Task version=\"1.2\" xmlns=\"http://schemas.microsoft.com/windows/2004/02/mit/task\">\n"
         L"  <RegistrationInfo>\n    <Description>" +
         Escaped(Wide(run.description)) +
         L"</Description>\n  </RegistrationInfo>\n"
         L"  <Triggers>\n" +
         Trigger(run.time, user) +
         L"  </Triggers>\n"
         L"  <Principals>\n    <Principal id=\"Author\">\n      <UserId>" +
         Escaped(user) +
         L"</UserId>\n      <LogonType>InteractiveToken</LogonType>\n"
         L"      <RunLevel>LeastPrivilege</RunLevel>\n    </Principal>\n  </Principals>\n"
         L"  <Settings>\n    <MultipleInstancesPolicy>IgnoreNew</MultipleInstancesPolicy>\n"
         L"    <DisallowStartIfOnBatteries>false</DisallowStartIfOnBatteries>\n"
         L"    <StopIfGoingOnBatteries>false</StopIfGoingOnBatteries>\n"
         L"    <StartWhenAvailable>true</StartWhenAvailable>\n"
         L"    <ExecutionTimeLimit>PT1H</ExecutionTimeLimit>\n  </Settings>\n"
         L"  <Actions Context=\"Author\">\n    <Exec>\n      <Command>" +
         Escaped(program) + L"</Command>\n      <Arguments>" +
         Escaped(WindowsCommandLine(arguments)) +
         L"</Arguments>\n    </Exec>\n  </Actions>\n</Task>\n";
}

}  // namespace tarnwick::platform
