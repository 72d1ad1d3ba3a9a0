// POSIX: the test both private folders and held files pass: owned by the user, writable by no
// one else.
#pragma once

#include <sys/stat.h>

#include <system_error>

namespace tarnwick::platform {

// Why a file or folder with this status is not private to the user; nothing when it is.
std::error_code WhyNotPrivate(const struct stat& info);

}  // namespace tarnwick::platform
