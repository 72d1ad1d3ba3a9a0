#pragma once

namespace tarnwick::platform {

// The separator of the platform's own paths.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

}  // namespace tarnwick::platform
