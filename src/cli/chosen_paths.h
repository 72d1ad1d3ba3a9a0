// The paths a user chose for a pass with --nur-diese, read as --dry-run printed them, and
// which of a pass's matches are among them.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <system_error>
#include <unordered_set>
#include <vector>

#include "engine/result_list.h"

namespace tarnwick::cli {

// The paths a user chose for a pass (--nur-diese), as --dry-run printed them: one a line, or
// each ended by NUL. A pass deals only with files that are both chosen and found by itself;
// a chosen path it does not find is never touched, only counted.
class ChosenPaths {
 public:
  // Reads them from `in`; a line's trailing carriage return is not part of its path.
  void Read(std::istream& in, bool nullEnded);

  // Keeps in `matches` only the chosen ones; the rest of the chosen paths are the ones the
  // pass did not find.
  void Keep(const engine::ResultList& results, std::vector<size_t>& matches);
  uint64_t NotFoundCount() const { return paths_.size() - foundPaths_.size(); }
  // The chosen paths the pass did not find, in no particular order.
  std::vector<std::string> NotFound() const;

 private:
  std::unordered_set<std::string> paths_;
  std::unordered_set<std::string> foundPaths_;
};

}  // namespace tarnwick::cli
