#pragma once

#include <ctime>
#include <string>
#include <string_view>

namespace tarnwick::platform {

// The text of a freedesktop.org trash entry's info file for a file that was at `path` (as
// bytes; absolute, or relative to the volume's top folder) and went to the trash at `when`:
// the path percent-encoded as file managers read it, the date in local time.
std::string TrashInfo(std::string_view path, std::time_t when);

// The Path line of such a text, as it reads for `path`: "Path=" and the encoded path.
std::string TrashInfoPathLine(std::string_view path);

}  // namespace tarnwick::platform
