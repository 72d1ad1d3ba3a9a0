// tarnwick-cli's whole run behind one function, with what it needs of its surroundings passed
// in, so that tests run it without a process of its own.
#pragma once

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/exit_status.h"

namespace tarnwick::cli {

struct CliEnvironment {
  std::string programDirectory;  // default search root, ending in a separator
  bool installedCopy = false;    // the program folder is the system's: no default search root
  std::string settingsPath;      // default settings file: the desktop program's
  std::string settingsFallbackPath;  // read while settingsPath does not exist yet
  bool escapeOutput = false;     // output goes to a terminal: escape control characters
  size_t progressColumns = 0;    // standard error is a terminal this wide: show progress there
  bool errorIsTerminal = false;  // standard error goes to a terminal
  bool inputIsTerminal = false;  // standard input comes from one: someone there can answer
  std::function<bool()> stopRequested;  // asked during a pass; true stops it
  std::istream* standardInput = nullptr;  // where --only - reads, and the answer to a question
};

// Runs the command line `arguments` (without the program name) and returns the exit status.
int RunCli(const std::vector<std::string>& arguments, const CliEnvironment& environment,
           std::ostream& out, std::ostream& err);

}  // namespace tarnwick::cli
