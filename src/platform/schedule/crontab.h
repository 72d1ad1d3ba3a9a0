// Linux: a scheduled run's line in the user's crontab, for a system without a user manager,
// written only when asked for: between marker lines of its own, so that it can be found again,
// replaced and removed, and nothing else of the crontab is touched.
#pragma once

#include <string>
#include <string_view>
#include <system_error>

namespace tarnwick::platform {

// `crontab` with the block of the run `name` replaced by one holding `line`, or removed when
// `line` is empty; every other line as it was.
std::string WithCrontabBlock(std::string_view crontab, const std::string& name,
                             const std::string& line);

// Puts `line` into the user's crontab as the block of `name` (through the system's crontab
// program), or takes the block out when `line` is empty.
std::error_code ChangeCrontab(const std::string& name, const std::string& line);

}  // namespace tarnwick::platform
