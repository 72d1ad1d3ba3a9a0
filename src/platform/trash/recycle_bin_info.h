// Windows: reading a Recycle Bin $I file, which records where its $R file came from.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick::platform {

// Windows: what the $I file beside each $R file records. It holds a version (1 up to Windows
// 8.1, 2 since Windows 10), the file's size and its time of deletion, then the original path:
// 260 UTF-16 units ending in NUL for version 1; a count of UTF-16 units (the NUL included) and
// as many for version 2.
struct RecycledInfo {
  std::string origin;  // where the file came from
  uint64_t size = 0;   // its size when it was recycled
};
// Nothing when `bytes` is no such file.
std::optional<RecycledInfo> ReadRecycledInfo(std::string_view bytes);

// The name of the $I file that belongs to the $R file `recycledName` ("$R..." becomes "$I...").
std::optional<std::string> InfoNameOf(std::string_view recycledName);

}  // namespace tarnwick::platform
