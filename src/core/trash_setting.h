#pragma once

#include <system_error>

#include "core/app_state.h"

namespace tarnwick::core {

// Whether a pass moves the files it finds to the trash rather than deleting them for good: the
// key "Papierkorb" of the program's section, 1 for yes; 0, anything else or none for no.
bool LoadTrashSetting(const AppState& state);

// Remembers the choice in the settings file, changing nothing else there.
std::error_code SaveTrashSetting(const AppState& state, bool toTrash);

}  // namespace tarnwick::core
