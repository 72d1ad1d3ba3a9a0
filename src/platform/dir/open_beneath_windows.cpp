#include "platform/dir/open_beneath.h"

namespace tarnwick::platform {

// Windows walks component by component, refusing every reparse point on the way; mounted
// volumes are reparse points.
std::optional<std::error_code> OpenBeneathInKernel(const DirectoryHandle&, std::string_view,
                                                   DirectoryHandle&) {
  return std::nullopt;
}

}  // namespace tarnwick::platform
