// The settings file in use: reading it as a hostile file, and changing it under the lock shared
// by both programs, in one atomic replacement.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <system_error>

#include "core/app_state.h"
#include "platform/profile/profile_document.h"

namespace tarnwick::core {

// The longest value a read gives back; longer values come back cut to this length.
inline constexpr size_t kMaxSettingsValueLength = 2047;

// The stored value, or `fallback` when there is none or it is empty; cut to the longest length.
std::string SettingsValueOr(const std::optional<std::string>& stored, const std::string& fallback);

// The stored value of the key, or `fallback` when the key, its section or the file is missing
// or the value is empty. Names match without regard to letter case.
std::string ReadSettingsValue(const platform::ProfileDocument& document, const std::string& section,
                              const std::string& key, const std::string& fallback);

// Reads the settings file. A file that does not exist reads as an empty one; anything but a
// regular file of a sensible size (a FIFO, a device, a folder) is refused at once.
std::error_code LoadSettingsDocument(const std::string& file, platform::ProfileDocument& document);

// Writes the settings file whole, atomically: it holds either its old or its new content.
std::error_code StoreSettingsDocument(const std::string& file,
                                      const platform::ProfileDocument& document);

// The file that holds the settings now: SettingsPath, or the file it falls back on while it
// does not exist yet.
const std::string& SettingsFileToRead(const AppState& state);

// Reads the program's settings as they are now: SettingsPath, or the file it falls back on
// while it does not exist yet. Under the lock that every front end takes for the file, so
// that a read never meets a save (Windows cannot replace a file that is open).
std::error_code ReadSettings(const AppState& state, platform::ProfileDocument& document);

// Reads, changes and writes back the settings file, all under that lock, so that what another
// program changed meanwhile survives. `change` says what keeps the file from being written.
std::error_code ChangeSettings(
    const AppState& state,
    const std::function<std::error_code(platform::ProfileDocument&)>& change);

}  // namespace tarnwick::core
