// Whether a file's name equals a listed name, ignoring case and how Unicode composes it.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace tarnwick::engine {

// Decides whether a file name equals one of the listed names, without regard to letter case
// and to how Unicode composes its letters. The listed names are prepared once. A name that no
// file can have (empty, holding a path separator, on Windows one with * or ?) matches nothing;
// '*' and '?' are no patterns: one entry never stands for many files. Safe to use from
// several threads.
class NameMatcher {
 public:
  explicit NameMatcher(const std::vector<std::string>& names);
  bool Matches(std::string_view fileName) const;
  bool Empty() const { return keys_.empty(); }

 private:
  struct KeyHash {
    using is_transparent = void;
    size_t operator()(std::string_view key) const { return std::hash<std::string_view>()(key); }
  };

  std::unordered_set<std::string, KeyHash, std::equal_to<>> keys_;
  // The byte lengths of the keys: a name of plain ASCII keeps its length when upper-cased,
  // so most names are turned away by their length alone.
  std::vector<bool> keyLengths_;
};

}  // namespace tarnwick::engine
