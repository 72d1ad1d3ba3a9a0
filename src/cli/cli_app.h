#pragma once

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace tarnwick::cli {

// Exit statuses of tarnwick-cli.
inline constexpr int kExitDone = 0;            // everything matched was deleted
inline constexpr int kExitIncomplete = 1;      // some deletions or searches failed
inline constexpr int kExitUsageOrRoot = 2;     // bad arguments, or a root that cannot be read
inline constexpr int kExitStopped = 130;       // stopped by Ctrl-C, as shells count it

struct CliEnvironment {
  std::string programDirectory;  // default search root, ending in a separator
  bool installedCopy = false;    // the program folder is the system's: no default search root
  std::string settingsPath;      // default settings file: the desktop program's
  std::string settingsFallbackPath;  // read while settingsPath does not exist yet
  bool escapeOutput = false;     // output goes to a terminal: escape control characters
  size_t progressColumns = 0;    // standard error is a terminal this wide: show progress there
  std::function<bool()> stopRequested;  // asked during a pass; true stops it
};

// Runs the command line `arguments` (without the program name) and returns the exit status.
int RunCli(const std::vector<std::string>& arguments, const CliEnvironment& environment,
           std::ostream& out, std::ostream& err);

}  // namespace tarnwick::cli
