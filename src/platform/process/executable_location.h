// Where the running program's executable lives, and its name without extension.
#pragma once

#include <optional>
#include <string>

namespace tarnwick::platform {

struct ExecutableLocation {
  std::string directory;  // without a trailing separator, except for the file system's root
  std::string fileName;   // the executable's own file name, extension included
};

// Where the running program's executable really lives (links resolved).
std::optional<ExecutableLocation> CurrentExecutable();

// The file name without its last extension: "tarnwick" stays, "App.exe" gives "App".
std::string WithoutExtension(const std::string& fileName);

}  // namespace tarnwick::platform
