// Windows: the test both private folders and held files pass: owned by the user.
#pragma once

#include <system_error>

#include "platform/windows/windows_support.h"

namespace tarnwick::platform {

// Why the open file or folder (opened with READ_CONTROL) is not the user's own; nothing when
// it is, or when its volume keeps no owners (FAT, exFAT).
std::error_code WhyNotPrivate(HANDLE handle);

}  // namespace tarnwick::platform
