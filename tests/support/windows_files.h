#pragma once

#include <string>

#include "platform/windows/windows_support.h"

namespace tarnwick::testing {

// Files and folders made through the wide Win32 calls, so that attributes (read-only, hidden,
// system) and long paths can be set up exactly. Each returns false when the call fails.
bool MakeDirectory(const std::string& path);
bool MakeFile(const std::string& path, DWORD attributes = FILE_ATTRIBUTE_NORMAL);
bool Exists(const std::string& path);

}  // namespace tarnwick::testing
