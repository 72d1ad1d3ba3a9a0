#include <climits>

#include "platform/path/file_name_limit.h"

namespace tarnwick::platform {

bool FitsInFileName(std::string_view name) { return name.size() <= NAME_MAX; }

// A name may hold any byte but '/' and NUL, which a settings file's value cannot hold anyway.
std::optional<NameFault> FaultOfNameOnThisSystem(std::string_view) { return std::nullopt; }

}  // namespace tarnwick::platform
