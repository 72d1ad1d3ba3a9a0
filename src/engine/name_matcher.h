#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace tarnwick::engine {

// Decides whether a file name equals one of the listed names, without regard to letter case.
// The listed names are upper-cased once. An empty name, or one holding a path separator or a
// wildcard character, matches nothing: it cannot be a file's own name, or (a wildcard) it would
// stand for many.
class NameMatcher {
 public:
  explicit NameMatcher(const std::vector<std::string>& names);
  bool Matches(std::string_view fileName) const;
  bool Empty() const { return upperNames_.empty(); }

 private:
  std::unordered_set<std::string> upperNames_;
};

}  // namespace tarnwick::engine
