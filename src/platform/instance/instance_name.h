// A stable name for a lock or a mutex, derived from a path.
#pragma once

#include <string>

namespace tarnwick::platform {

// A name for the one running instance of a program, or the one holder of a settings file,
// the same in every run: "tarnwick-" and a hash of `key`, the file's path or what stands for it.
std::string InstanceName(const std::string& key);

}  // namespace tarnwick::platform
