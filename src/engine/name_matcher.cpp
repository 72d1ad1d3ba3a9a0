#include "engine/name_matcher.h"

#include <algorithm>

#include "platform/text/composed_form.h"
#include "platform/path/file_name_limit.h"
#include "platform/text/text_case.h"

namespace tarnwick::engine {
namespace {

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// What two names that match have in common: upper case, and for names beyond ASCII also the
// composed form, so that canonically equal spellings match. ASCII needs no more.
std::string MatchingKey(std::string_view name) {
  std::string upper = platform::ToUpperCase(name);
  return IsAscii(upper) ? upper : platform::ComposedForm(upper);
}

}  // namespace

NameMatcher::NameMatcher(const std::vector<std::string>& names) {
  for (const auto& name : names) {
    if (platform::FaultOfFileName(name)) continue;  // no file has such a name
    std::string key = MatchingKey(name);
    if (key.size() >= keyLengths_.size()) keyLengths_.resize(key.size() + 1);
    keyLengths_[key.size()] = true;
    keys_.insert(std::move(key));
  }
}

bool NameMatcher::Matches(std::string_view fileName) const {
  if (keys_.empty()) return false;
  char upper[256];
  if (fileName.size() <= sizeof upper && IsAscii(fileName)) {
    if (fileName.size() >= keyLengths_.size() || !keyLengths_[fileName.size()]) return false;
    std::transform(fileName.begin(), fileName.end(), upper, [](char c) {
      return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return keys_.contains(std::string_view(upper, fileName.size()));
  }
  return keys_.contains(MatchingKey(fileName));
}

}  // namespace tarnwick::engine
