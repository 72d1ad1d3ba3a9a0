#include "engine/name_matcher.h"

#include "platform/path_separator.h"
#include "platform/text_case.h"

namespace tarnwick::engine {
namespace {

// '/' separates paths everywhere, the backslash only on Windows: on POSIX it is an ordinary
// character of a file name.
bool CanNameAFile(const std::string& name) {
  return !name.empty() && name.find_first_of("/*?") == std::string::npos &&
         name.find(platform::kPathSeparator) == std::string::npos;
}

}  // namespace

NameMatcher::NameMatcher(const std::vector<std::string>& names) {
  for (const auto& name : names) {
    if (CanNameAFile(name)) upperNames_.insert(platform::ToUpperCase(name));
  }
}

bool NameMatcher::Matches(std::string_view fileName) const {
  return !upperNames_.empty() && upperNames_.contains(platform::ToUpperCase(fileName));
}

}  // namespace tarnwick::engine
