// Linux: the systemd user units of a scheduled run, and the crontab line offered where no user
// manager runs; text only, so that every case can be read and checked.
#pragma once

#include <string>
#include <vector>

#include "platform/schedule/scheduler.h"

namespace tarnwick::platform {

// The OnCalendar= value of a daily or weekly time ("*-*-* 03:00:00", "Mon *-*-* 03:00:00").
std::string OnCalendarOf(const ScheduleTime& time);

// A command line as ExecStart= takes it: each argument in double quotes, with C escapes, and
// '%' and '$' doubled so that systemd expands nothing.
std::string ExecLine(const std::vector<std::string>& command);

// The service that runs the command once; at login it is wanted by the user's session.
std::string ServiceUnit(const ScheduledRun& run);
// The timer that starts the service daily or weekly; a run missed while the machine was off
// happens when it starts again, a few minutes late at most.
std::string TimerUnit(const ScheduledRun& run);

// The same run as a line of the user's crontab, for a system without a user manager; nothing
// for a run at login, which cron cannot start.
std::string CrontabLine(const ScheduledRun& run);

}  // namespace tarnwick::platform
