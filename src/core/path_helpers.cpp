#include "core/path_helpers.h"

#include "platform/path/long_path.h"

namespace tarnwick::core {
namespace {

char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWord(char c, platform::PathStyle style) {
  return c == ' ' || c == '-' || c == '(' || c == '_' || style.IsSeparator(c);
}

std::string RebuildLetterCase(std::string path, platform::PathStyle style) {
  for (size_t i = 1; i < path.size(); ++i) {
    path[i] = StartsWord(path[i - 1], style) ? AsciiUpper(path[i]) : AsciiLower(path[i]);
  }
  if (!path.empty()) path[0] = AsciiUpper(path[0]);
  return path;
}

}  // namespace

std::string EnsureTrailingBackslash(std::string& path, platform::PathStyle style) {
  if (path.empty() || !style.IsSeparator(path.back())) path.push_back(style.separator);
  return path;
}

std::string_view FileNamePart(std::string_view path, platform::PathStyle style) {
  if (!path.empty() && style.IsSeparator(path.back())) path.remove_suffix(1);
  for (size_t i = path.size(); i > 0; --i) {
    if (style.IsSeparator(path[i - 1])) return path.substr(i);
  }
  return path;
}

std::string LongPathName(std::string path, platform::PathStyle style) {
  if (auto longForm = platform::QueryLongPathName(path)) return *longForm;
  return RebuildLetterCase(std::move(path), style);
}

}  // namespace tarnwick::core
