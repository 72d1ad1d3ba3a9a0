#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/name_list.h"

namespace tarnwick::core {

// A folder as the list of excluded folders keeps it: its full path, so that it means the same
// folder wherever a pass starts from.
std::string FolderEntryFor(const std::string& path);

// The first entry of `folders` that names the same folder as `path`: the same text, or the
// same folder by identity (another spelling, a link to it).
std::optional<int16_t> FindFolderEntry(const NameList& folders, const std::string& path);

}  // namespace tarnwick::core
