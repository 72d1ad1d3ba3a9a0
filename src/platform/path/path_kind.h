// What a path names: nothing, a folder, or something else.
#pragma once

#include <string>

namespace tarnwick::platform {

enum class PathKind {
  kMissing,    // nothing there, or it cannot be looked at
  kDirectory,  // a folder, or a link to one
  kOther,      // a file, or anything else that is not a folder
};

// What the path names, following links.
PathKind KindOfPath(const std::string& path);

}  // namespace tarnwick::platform
