#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/trash/trash.h"

namespace tarnwick::platform {

// An item of the Recycle Bin as the shell tells it: where it was, and when it went there
// (FILETIME, 100 ns since 1601).
struct RecycleBinItem {
  std::string originalPath;
  uint64_t deletedAt = 0;
};

// Which item of the Recycle Bin is each entry of a pass: the one of the same original path
// (letter case aside, as Windows names files) that went there while the pass moved the entry
// (give or take the clock's steps), each item taken once; nothing where none is.
std::vector<std::optional<size_t>> MatchRecycleBinItems(std::span<const TrashedEntry> entries,
                                                        std::span<const RecycleBinItem> items);

}  // namespace tarnwick::platform
