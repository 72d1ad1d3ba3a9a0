#include <climits>

#include "platform/path/file_name_limit.h"

namespace tarnwick::platform {

bool FitsInFileName(std::string_view name) { return name.size() <= NAME_MAX; }

}  // namespace tarnwick::platform
