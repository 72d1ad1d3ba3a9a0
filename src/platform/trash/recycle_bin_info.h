// Windows: reading a Recycle Bin $I file, which records where its $R file came from.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarnwick::platform {

// Windows: where a file in the Recycle Bin came from, as its $I file records it. The $I file
// beside each $R file holds a version (1 up to Windows 8.1, 2 since Windows 10), the file's
// size and its time of deletion, then the original path: 260 UTF-16 units ending in NUL for
// version 1; a count of UTF-16 units (the NUL included) and as many for version 2. Nothing
// when `bytes` is no such file.
std::optional<std::string> RecycledFrom(std::string_view bytes);

// The name of the $I file that belongs to the $R file `recycledName` ("$R..." becomes "$I...").
std::optional<std::string> InfoNameOf(std::string_view recycledName);

}  // namespace tarnwick::platform
