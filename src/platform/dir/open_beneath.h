// Opening a folder below another in one step where the kernel can keep it beneath (openat2).
#pragma once

#include <optional>
#include <string_view>
#include <system_error>

#include "platform/dir/directory_handle.h"

namespace tarnwick::platform {

// Opens the directory at `relativePath` below `base` in one step where the kernel can resolve
// it without leaving `base`, following no link and entering no other mount (Linux's openat2).
// Nothing when the kernel cannot; the caller then walks the path one component at a time.
std::optional<std::error_code> OpenBeneathInKernel(const DirectoryHandle& base,
                                                   std::string_view relativePath,
                                                   DirectoryHandle& directory);

}  // namespace tarnwick::platform
