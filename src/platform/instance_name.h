#pragma once

#include <string>

namespace tarnwick::platform {

// A name for the one running instance of the executable at `executablePath`, the same in every
// run: "tarnwick-" and a hash of the path.
std::string InstanceName(const std::string& executablePath);

}  // namespace tarnwick::platform
