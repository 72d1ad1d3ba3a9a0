// The program's on/off choices kept in the settings file (the trash, the look first).
#pragma once

#include <system_error>

#include "core/app_state.h"

namespace tarnwick::core {

// The program's on/off choices, each a key of the program's section: 1 for on; 0, anything
// else or none for off.
inline constexpr const char* kTrashKey = "Papierkorb";  // a pass moves what it finds to the trash
inline constexpr const char* kLookKey = "Vorschau";     // a pass shows what it found first

bool LoadSwitch(const AppState& state, const char* key);

// Remembers the choice in the settings file, changing nothing else there.
std::error_code SaveSwitch(const AppState& state, const char* key, bool on);

}  // namespace tarnwick::core
