#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace tarnwick::engine {

// Decides whether a file name equals one of the listed names, without regard to letter case
// and to how Unicode composes its letters. The listed names are prepared once. An empty name, or one holding a path separator or a
// wildcard character, matches nothing: it cannot be a file's own name, or (a wildcard) it would
// stand for many.
class NameMatcher {
 public:
  explicit NameMatcher(const std::vector<std::string>& names);
  bool Matches(std::string_view fileName) const;
  bool Empty() const { return keys_.empty(); }

 private:
  std::unordered_set<std::string> keys_;
};

}  // namespace tarnwick::engine
