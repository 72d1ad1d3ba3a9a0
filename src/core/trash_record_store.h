#pragma once

#include <string>
#include <system_error>
#include <vector>

#include "core/app_state.h"
#include "platform/trash/trash.h"

namespace tarnwick::core {

// The record of the last pass to the trash, kept where the settings file in use lives: its
// path with ".papierkorb" appended. Only the last pass's, replaced by the next one.
std::string TrashRecordPath(const AppState& state);

// Writes the record atomically, as the list is written.
std::error_code SaveTrashRecord(const AppState& state,
                                const std::vector<platform::TrashedEntry>& entries);

// The record's entries; none when there is no record, or none that can be read.
std::vector<platform::TrashedEntry> LoadTrashRecord(const AppState& state);

}  // namespace tarnwick::core
