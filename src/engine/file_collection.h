#pragma once

#include <cstdint>
#include <string>

#include "engine/helper_objects.h"
#include "engine/pass_observer.h"

namespace tarnwick::engine {

struct CollectionOutcome {
  bool rootOpened = false;
  bool stopped = false;                // the observer asked to stop; the result list is partial
  uint64_t directories = 0;            // directories walked
  uint64_t unreadableDirectories = 0;  // directories skipped, the root included
};

// Fills the result list with the full path of every file under `root`. Subdirectories are
// visited from the lister's last entry to its first, depth first, and a directory's own files
// follow the files of its whole subtree, so the root's own files come last. Links are never
// followed below the root. A root without a trailing separator gets one, in the caller's
// variable; an empty pattern becomes "*.*". Afterwards both listers show the root.
CollectionOutcome CollectFiles(std::string& root, std::string& pattern,
                               DirectoryLister& directoryLister, FileLister& fileLister,
                               ResultList& resultList, PassObserver& observer);

// The walk below one directory, already open as `directory`, whose path `directoryPath` ends
// in a separator. Uses an explicit stack, so the depth of a tree is limited only by memory.
void WalkDirectory(const std::string& directoryPath, const platform::DirectoryHandle& directory,
                   const FileLister& fileLister, ResultList& resultList, PassObserver& observer,
                   CollectionOutcome& outcome);

}  // namespace tarnwick::engine
