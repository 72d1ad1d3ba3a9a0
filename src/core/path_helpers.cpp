#include "core/path_helpers.h"

#include "platform/long_path.h"

namespace tarnwick::core {
namespace {

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWord(char c, char separator) {
  return c == ' ' || c == '-' || c == '(' || c == '_' || c == separator;
}

std::string RebuildLetterCase(std::string path, char separator) {
  for (size_t i = 1; i < path.size(); ++i) {
    path[i] = StartsWord(path[i - 1], separator) ? AsciiUpper(path[i]) : AsciiLower(path[i]);
  }
  if (!path.empty()) path[0] = AsciiUpper(path[0]);
  return path;
}

}  // namespace

std::string EnsureTrailingBackslash(std::string& path, char separator) {
  if (path.empty() || path.back() != separator) path.push_back(separator);
  return path;
}

std::string_view FileNamePart(std::string_view path, char separator) {
  if (!path.empty() && path.back() == separator) path.remove_suffix(1);
  const size_t last = path.rfind(separator);
  return last == std::string_view::npos ? path : path.substr(last + 1);
}

std::string LongPathName(std::string path, char separator) {
  if (auto longForm = platform::QueryLongPathName(path)) return *longForm;
  return RebuildLetterCase(std::move(path), separator);
}

}  // namespace tarnwick::core
