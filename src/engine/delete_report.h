#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace tarnwick::engine {

// A matching file that could not be deleted, or a folder that could not be searched.
struct PassFailure {
  std::string path;
  std::error_code error;
  bool folder = false;
};

// What a delete pass did, told truthfully.
struct DeleteReport {
  // How many failures the report keeps to name; the counts go on past them.
  static constexpr size_t kFailuresNamed = 10;

  uint64_t deleted = 0;                // matching files that are gone
  uint64_t failed = 0;                 // matching files that could not be deleted (not those
                                       // that were gone already when their turn came)
  uint64_t unreadableDirectories = 0;  // directories that could not be searched, the root included
  bool rootUnreadable = false;         // the root itself could not be searched
  bool stopped = false;                // the user stopped the pass
  std::vector<PassFailure> failures;   // the first kFailuresNamed failures, in their order

  // Every matching file went and every directory was searched.
  bool Complete() const { return failed == 0 && unreadableDirectories == 0; }
  // Keeps a failure to name, while fewer than kFailuresNamed are kept.
  void NameFailure(std::string_view path, std::error_code error, bool folder);
};

}  // namespace tarnwick::engine
