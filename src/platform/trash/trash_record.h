#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/trash/trash.h"

namespace tarnwick::platform {

// The record of the last pass to the trash as text: a heading line, then one line per file,
// its fields apart by tabs, each field's tabs, line breaks, NULs and percent signs as %XX.
std::string FormatTrashRecord(const std::vector<TrashedEntry>& entries);

// The entries of such a text; nothing when it is no such record.
std::optional<std::vector<TrashedEntry>> ParseTrashRecord(std::string_view text);

}  // namespace tarnwick::platform
