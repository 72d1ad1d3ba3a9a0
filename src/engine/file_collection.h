// The recursive collection of every file under a root into the result list, over the listers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/helper_objects.h"
#include "engine/ordered_walk.h"
#include "engine/pass_observer.h"

namespace tarnwick::engine {

// The walk's outcome, and whether the root could be listed at all; a root that could not
// counts as the one unreadable directory, and the observer hears why.
struct CollectionOutcome : WalkOutcome {
  bool rootOpened = false;
  bool rootExcluded = false;  // the root is an excluded folder or lies in one: nothing searched
};

// Fills the result list with every file under `root`, as WalkTree describes: subdirectories
// from the lister's last entry to its first, depth first, a directory's own files after the
// files of its whole subtree, the root's own files last. A root without a trailing separator
// gets one, in the caller's variable, but an empty root is refused as missing; an empty
// pattern becomes "*.*". Every directory is
// listed once: the directory lister lists the root, and afterwards both listers show it. A root
// that is excluded, or lies in an excluded folder, is not searched; the observer hears of it.
CollectionOutcome CollectFiles(std::string& root, std::string& pattern,
                               DirectoryLister& directoryLister, FileLister& fileLister,
                               ResultList& resultList, PassObserver& observer,
                               const WalkSettings& settings = {});

}  // namespace tarnwick::engine
