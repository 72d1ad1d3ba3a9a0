// Windows: the Task Scheduler's definition of a scheduled run, as the XML it registers; text
// only, so that every case can be read and checked.
#pragma once

#include <string>
#include <vector>

#include "platform/schedule/scheduler.h"

namespace tarnwick::platform {

// Arguments as one command line that CommandLineToArgvW (and the C runtime) splits back into
// the same arguments.
std::wstring WindowsCommandLine(const std::vector<std::wstring>& arguments);

// The task for `user` ("DOMAIN\\name"): started with the user's own token while the user is
// logged on, never elevated; daily, weekly or at this user's logon; started when the machine
// is back if it missed its time, on battery too, never twice at once, stopped after an hour.
std::wstring TaskDefinition(const ScheduledRun& run, const std::wstring& user);

}  // namespace tarnwick::platform
