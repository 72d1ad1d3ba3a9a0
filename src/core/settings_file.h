#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <system_error>

#include "platform/profile_document.h"

namespace tarnwick::core {

// The longest value a read gives back; longer values come back cut to this length.
inline constexpr size_t kMaxSettingsValueLength = 2047;

// The stored value, or `fallback` when there is none or it is empty; cut to the longest length.
std::string SettingsValueOr(const std::optional<std::string>& stored, const std::string& fallback);

// The stored value of the key, or `fallback` when the key, its section or the file is missing
// or the value is empty. Names match without regard to letter case.
std::string ReadSettingsValue(const platform::ProfileDocument& document, const std::string& section,
                              const std::string& key, const std::string& fallback);

// Reads the settings file. A file that does not exist reads as an empty one.
std::error_code LoadSettingsDocument(const std::string& file, platform::ProfileDocument& document);

// Writes the settings file whole, atomically: it holds either its old or its new content.
std::error_code StoreSettingsDocument(const std::string& file,
                                      const platform::ProfileDocument& document);

}  // namespace tarnwick::core
