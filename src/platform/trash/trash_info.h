// The info file of a freedesktop.org trash entry: written for each file, read when taking back.
#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

namespace tarnwick::platform {

// The text of a freedesktop.org trash entry's info file for a file that was at `path` (as
// bytes; absolute, or relative to the volume's top folder) and went to the trash at `when`:
// the path percent-encoded as file managers read it, the date in local time.
std::string TrashInfo(std::string_view path, std::time_t when);

// The path that such a text records: its Path key, decoded; nothing when it has none that
// decodes, or more than one.
std::optional<std::string> TrashInfoPath(std::string_view text);

}  // namespace tarnwick::platform
