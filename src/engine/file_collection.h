#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/helper_objects.h"
#include "engine/ordered_walk.h"
#include "engine/pass_observer.h"

namespace tarnwick::engine {

struct CollectionOutcome {
  bool rootOpened = false;
  bool stopped = false;                // the observer asked to stop; the result list is empty
  uint64_t directories = 0;            // directories walked
  uint64_t unreadableDirectories = 0;  // directories skipped, the root included
  std::vector<size_t> matches;         // result-list indices of the names the matcher accepted
};

// Fills the result list with every file under `root`, as WalkTree describes: subdirectories
// from the lister's last entry to its first, depth first, a directory's own files after the
// files of its whole subtree, the root's own files last. A root without a trailing separator
// gets one, in the caller's variable; an empty pattern becomes "*.*". Every directory is
// listed once: the directory lister lists the root, and afterwards both listers show it.
CollectionOutcome CollectFiles(std::string& root, std::string& pattern,
                               DirectoryLister& directoryLister, FileLister& fileLister,
                               ResultList& resultList, PassObserver& observer,
                               const WalkSettings& settings = {});

}  // namespace tarnwick::engine
