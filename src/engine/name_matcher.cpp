#include "engine/name_matcher.h"

#include <algorithm>

#include "platform/composed_form.h"
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

// What two names that match have in common: upper case, and for names beyond ASCII also the
// composed form, so that canonically equal spellings match. ASCII needs no more.
std::string MatchingKey(std::string_view name) {
  std::string upper = platform::ToUpperCase(name);
  const bool ascii = std::all_of(upper.begin(), upper.end(),
                                 [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  return ascii ? upper : platform::ComposedForm(upper);
}

}  // namespace

NameMatcher::NameMatcher(const std::vector<std::string>& names) {
  for (const auto& name : names) {
    if (CanNameAFile(name)) keys_.insert(MatchingKey(name));
  }
}

bool NameMatcher::Matches(std::string_view fileName) const {
  return !keys_.empty() && keys_.contains(MatchingKey(fileName));
}

}  // namespace tarnwick::engine
