#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>

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
//
// Parts of the tree are walked on a second core; the result is the same as one walk in order.
// The observer is called on the calling thread only: once per directory that thread enters,
// and at least every 20 ms while it waits for the other core.
CollectionOutcome CollectFiles(std::string& root, std::string& pattern,
                               DirectoryLister& directoryLister, FileLister& fileLister,
                               ResultList& resultList, PassObserver& observer);

// What one walk reports as it goes; called on the thread that walks.
struct WalkCallbacks {
  // A directory is about to be listed; false stops the walk.
  std::function<bool(std::string_view path)> onDirectory;
  std::function<void(std::string_view path, std::error_code)> onDirectoryFailed;
};

// The walk below one directory, already open as `directory`, whose path `directoryPath` ends
// in a separator, in the order CollectFiles describes. Uses an explicit stack, so the depth of
// a tree is limited only by memory. Returns false when stopped.
bool WalkDirectory(const std::string& directoryPath, const platform::DirectoryHandle& directory,
                   const FileLister& fileLister, ResultList& resultList,
                   const WalkCallbacks& callbacks);

}  // namespace tarnwick::engine
