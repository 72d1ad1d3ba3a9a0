#include "platform/trash/trash_info.h"

#include <cstdio>

#include "platform/text/percent_decoding.h"

namespace tarnwick::platform {
namespace {

bool KeptAsItIs(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '_' || c == '.' || c == '~' || c == '/';
}

// Every byte but the unreserved characters of a URI and '/' as %XX, as GIO and KIO escape it.
std::string Escaped(std::string_view path) {
  std::string escaped;
  escaped.reserve(path.size());
  for (const char c : path) {
    const auto byte = static_cast<unsigned char>(c);
    if (KeptAsItIs(byte)) {
      escaped += c;
    } else {
      char code[4];
      std::snprintf(code, sizeof code, "%%%02X", byte);
      escaped += code;
    }
  }
  return escaped;
}

}  // namespace

std::string TrashInfo(std::string_view path, std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  char date[32];
  std::strftime(date, sizeof date, "%Y-%m-%dT%H:%M:%S", &local);
  return "[Trash Info]\nPath=" + Escaped(path) + "\nDeletionDate=" + date + "\n";
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
