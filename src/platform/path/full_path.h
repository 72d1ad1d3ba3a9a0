// Paths as the system resolves them: full and absolute forms.
#pragma once

#include <string>

namespace tarnwick::platform {

// The path as the system resolves it before it opens anything. On Windows: absolute, '\' for
// every separator, "." and ".." taken out, and the dots and blanks that end a name dropped, as
// Windows ignores them; a path that ends in a separator keeps one. On POSIX the path as given:
// there ".." means the parent only as the links on the way say.
std::string FullPathName(const std::string& path);

// The path from the top, wherever the process stands: FullPathName on Windows; on POSIX the
// current folder put before a relative path, which is otherwise left as it is.
std::string AbsolutePath(const std::string& path);

}  // namespace tarnwick::platform
