// The path helpers every layer above shares: a trailing separator, a path's last component.
#pragma once

#include <string>
#include <string_view>

#include "platform/path/path_separator.h"

namespace tarnwick::core {

// Makes a folder path end in a separator: appends the platform's separator ('\' on Windows,
// '/' on POSIX) to `path` itself when its last character is not a separator (on Windows '/'
// is one too), the empty path included, and returns a copy of the result. Nothing else in the
// path changes.
std::string EnsureTrailingBackslash(std::string& path,
                                    platform::PathStyle style = platform::kNativePaths);

// The last component of the path: the text after the last separator, once one trailing
// separator has been set aside; the whole path when it holds no separator. A view into `path`.
std::string_view FileNamePart(std::string_view path,
                              platform::PathStyle style = platform::kNativePaths);

// The path's long form from the platform; when the platform cannot resolve the path, the path
// with its letter case rebuilt: upper case at the start and after a blank, '-', '(', '_' or a
// separator, lower case elsewhere (ASCII letters only).
std::string LongPathName(std::string path, platform::PathStyle style = platform::kNativePaths);

}  // namespace tarnwick::core
