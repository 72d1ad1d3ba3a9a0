// How long a file name may be on the system.
#pragma once

#include <string_view>

namespace tarnwick::platform {

// Whether a file name this long (UTF-8) can exist on the system: 255 bytes on POSIX file
// systems, 255 UTF-16 units on Windows.
bool FitsInFileName(std::string_view name);

}  // namespace tarnwick::platform
