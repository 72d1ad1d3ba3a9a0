// The long form of a path (no 8.3 short names), for the settings file's name.
#pragma once

#include <optional>
#include <string>

namespace tarnwick::platform {

// The long form of an existing path, or nothing when the path cannot be resolved. On a file
// system without short names an existing path is its own long form.
std::optional<std::string> QueryLongPathName(const std::string& path);

}  // namespace tarnwick::platform
