#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "core/name_list.h"
#include "engine/helper_objects.h"
#include "engine/pass_observer.h"

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

// The files a pass never deletes, though their names be listed: the settings file in use and
// the program's own executables. A match among them counts as not deleted, for KeptFileError.
class KeptFiles {
 public:
  KeptFiles() = default;
  // Files that do not exist are left out.
  explicit KeptFiles(const std::vector<std::string>& paths);
  bool Contains(const platform::DirectoryHandle& parent, const std::string& name) const;

 private:
  std::vector<platform::FileIdentity> identities_;
  // Their own names, upper-cased: only an entry of such a name can be one of them (another
  // name for the same file is a link, whose removal leaves the file), so only those are looked
  // at more closely.
  std::vector<std::string> upperNames_;
};

// Why a kept file was not deleted.
std::error_code KeptFileError();

// Collects every file under `searchRoot` and gives the indices, in the result list, of those
// whose name equals a listed name without regard to case; each file once.
std::vector<size_t> FindListedFiles(std::string& searchRoot, const core::NameList& names,
                                    HelperObjects& helpers, PassObserver& observer,
                                    DeleteReport& report);

// The main action: finds the listed names under `searchRoot` and deletes them, read-only and
// hidden files included. Every file is deleted through the directory handles of the walk's
// root, so nothing outside the root can be reached. Nothing is deleted when the observer stops
// the walk; a stop during the deletions ends them after the files in hand. Returns nothing,
// and does nothing, when the list is empty.
std::optional<DeleteReport> DeleteListedFiles(std::string& searchRoot,
                                              const core::NameList& names, HelperObjects& helpers,
                                              PassObserver& observer,
                                              const KeptFiles& kept = KeptFiles());

}  // namespace tarnwick::engine
