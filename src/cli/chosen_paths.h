// The paths a user chose for a pass with --only, read as --dry-run printed them, and which of
// a pass's matches are among them.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/result_list.h"

namespace tarnwick::cli {

// The paths a user chose for a pass (--only), as --dry-run printed them: one a line, or each
// ended by NUL. A chosen path and a found file are the same when they name the same entry of
// the same folder, however each is spelt (relative or absolute, through a link). A pass deals
// only with files that are both chosen and found by itself; a chosen path it does not find is
// never touched, only named.
class ChosenPaths {
 public:
  // Reads them from `in`; a line's trailing carriage return is not part of its path.
  void Read(std::istream& in, bool nullEnded);

  // Keeps in `matches` only the chosen ones; the rest of the chosen paths are the ones the
  // pass did not find.
  void Keep(const engine::ResultList& results, std::vector<size_t>& matches);
  // Whether `path` is one of the chosen, which then counts as found.
  bool Take(const std::string& path);
  uint64_t NotFoundCount() const;
  // The chosen paths the pass did not find, in the order they were read.
  std::vector<std::string> NotFound() const;

 private:
  std::vector<std::string> paths_;  // each entry once, as first given
  std::vector<bool> found_;
  std::unordered_map<std::string, size_t> byKey_;  // the entries' keys: their places in paths_
};

}  // namespace tarnwick::cli
