// The one status line tarnwick-cli rewrites on a terminal while a pass runs.
#pragma once

#include <chrono>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

namespace tarnwick::cli {

// The text cut to at most `columns` characters (UTF-8 code points), keeping its end, where a
// path says the most, behind "…".
std::string KeepEndWithin(std::string_view text, size_t columns);

// One status line on a terminal, rewritten in place at most ten times a second, and at once
// when the deletions start.
class TerminalProgress {
 public:
  // `toTrash`: the found files go to the trash rather than being deleted.
  TerminalProgress(std::ostream& terminal, size_t columns, bool toTrash);

  void ShowWalk(std::string_view folder, uint64_t folders, uint64_t files);
  // `done` of `total` files have been dealt with, `deleted` of them deleted; a total of 0 is
  // not known yet.
  void ShowDeletions(uint64_t deleted, uint64_t done, uint64_t total);
  // Removes the line, so other output starts on a clean line.
  void Clear();

 private:
  bool Due(bool phaseStarted);
  void Write(const std::string& line);

  std::ostream& terminal_;
  const size_t columns_;
  const bool toTrash_;
  bool shown_ = false;
  bool deleting_ = false;
  std::chrono::steady_clock::time_point last_{};
};

}  // namespace tarnwick::cli
