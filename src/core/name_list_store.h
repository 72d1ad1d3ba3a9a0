// Loading and saving the stored lists in the settings file.
#pragma once

#include <cstdint>
#include <system_error>

#include "core/app_state.h"
#include "core/name_list.h"

namespace tarnwick::core {

// Fills `names` from the settings file and returns the stored count. A missing or unreadable
// file, or a count that is not a positive 16-bit number, loads nothing.
int16_t LoadNameList(const AppState& state, NameList& names);

// Writes the list into the settings file in one atomic replacement. A list that never held an
// entry in this run writes nothing; an emptied one writes a count of 0. Keys beyond the count
// stay in the file. Returns what kept the list from being saved.
std::error_code SaveNameList(const AppState& state, const NameList& names);

// Fills the names and the folders a pass never enters (a list of their own beside the names,
// by the same rules, so that a program that knows only the names reads them as before) from
// one reading of the settings file: a pass never has the names without the folders it must
// leave alone. Says why the file could not be read; then both lists stay empty and the file is
// left as it is.
std::error_code LoadLists(const AppState& state, NameList& names, NameList& folders);
// SaveNameList for the folders.
std::error_code SaveExcludedFolders(const AppState& state, const NameList& folders);

}  // namespace tarnwick::core
