// The exit statuses tarnwick-cli documents, in one place for every command.
#pragma once

namespace tarnwick::cli {

// Exit statuses of tarnwick-cli.
inline constexpr int kExitDone = 0;            // everything matched was deleted
inline constexpr int kExitIncomplete = 1;      // some deletions or searches failed
inline constexpr int kExitUsageOrRoot = 2;     // bad arguments, or a root that cannot be read
inline constexpr int kExitStopped = 130;       // stopped by Ctrl-C, as shells count it

}  // namespace tarnwick::cli
