#include "engine/name_matcher.h"

#include "platform/text_case.h"

namespace tarnwick::engine {
namespace {

bool CanNameAFile(const std::string& name) {
  return !name.empty() && name.find_first_of("/\\*?") == std::string::npos;
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
