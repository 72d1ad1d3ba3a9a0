#include "platform/path/full_path.h"

namespace tarnwick::platform {

std::string FullPathName(const std::string& path) { return path; }

}  // namespace tarnwick::platform
