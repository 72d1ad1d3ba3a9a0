#include "platform/path/file_name_limit.h"

#include "platform/path/path_separator.h"

namespace tarnwick::platform {

std::optional<NameFault> FaultOfFileName(std::string_view name) {
  if (name.empty()) return NameFault::kEmpty;
  if (name == "." || name == "..") return NameFault::kDots;
  for (const char c : name) {
    if (kNativePaths.IsSeparator(c)) return NameFault::kSeparator;
  }
  return FaultOfNameOnThisSystem(name);
}

}  // namespace tarnwick::platform
