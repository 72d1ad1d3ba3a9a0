#include "platform/trash/trash_info.h"

#include <cstdio>

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
  return "[Trash Info]\n" + TrashInfoPathLine(path) + "\nDeletionDate=" + date + "\n";
}

std::string TrashInfoPathLine(std::string_view path) { return "Path=" + Escaped(path); }

}  // namespace tarnwick::platform
