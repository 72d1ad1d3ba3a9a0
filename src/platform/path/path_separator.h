// How each system separates the parts of a path, and the separator the program writes.
#pragma once

namespace tarnwick::platform {

// How a system writes paths: the separator the program writes, and whether '/' separates too.
// Windows takes '/' wherever it takes '\'; on POSIX the backslash is an ordinary character of
// a name.
struct PathStyle {
  char separator;
  bool slashSeparatesToo;

  constexpr bool IsSeparator(char c) const {
    return c == separator || (slashSeparatesToo && c == '/');
  }
};

inline constexpr PathStyle kWindowsPaths{'\\', true};
inline constexpr PathStyle kPosixPaths{'/', false};

#ifdef _WIN32
inline constexpr PathStyle kNativePaths = kWindowsPaths;
#else
inline constexpr PathStyle kNativePaths = kPosixPaths;
#endif

// The separator of the platform's own paths.
inline constexpr char kPathSeparator = kNativePaths.separator;

}  // namespace tarnwick::platform
