// POSIX: running another program, as the system's scheduler tools are run: its standard input
// given, what it writes kept.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarnwick::platform {

struct ProgramRun {
  int status = -1;     // its exit status; -1 when it did not exit by itself or wrote too much
  std::string output;  // what it wrote to standard output
  std::string errors;  // what it wrote to standard error
};

// Runs `arguments` (the program, looked up on PATH, and its arguments) with `input` on its
// standard input, and waits for it; nothing when it could not be started. What it writes is
// kept up to a mebibyte each; beyond that it counts as failed.
std::optional<ProgramRun> RunProgram(std::vector<std::string> arguments, const std::string& input);

}  // namespace tarnwick::platform
