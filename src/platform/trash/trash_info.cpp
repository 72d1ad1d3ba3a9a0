#include "platform/trash/trash_info.h"

#include <ctime>

#include "platform/text/percent_encoding.h"

namespace tarnwick::platform {

std::string TrashInfo(std::string_view path, std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  char date[32];
  std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", &local);
  return "[Trash Info]\nPath=" + PercentEncoded(path, UriPathCharacter) + "\nDeletionDate=" + date + "\n";
}

std::optional<std::string> TrashInfoPath(std::string_view text) {
  std::optional<std::string> path;
  bool inGroup = false;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.starts_with('[')) {
      inGroup = line == "[Trash Info]";
    } else if (inGroup && line.starts_with("Path=")) {
      if (path) return std::nullopt;  // which one would a file manager take?
      path = PercentDecoded(line.substr(5));
      if (!path) return std::nullopt;
    }
  }
  return path;
}

}  // namespace tarnwick::platform
