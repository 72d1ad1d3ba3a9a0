// The walk itself: a tree read on several threads, each a subtree at a time, with what it is
// told to leave alone and what it gives back.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/directory_listing.h"
#include "engine/excluded_folders.h"
#include "engine/helper_objects.h"
#include "engine/name_matcher.h"
#include "engine/pass_observer.h"
#include "engine/result_list.h"
#include "platform/dir/directory_handle.h"

namespace tarnwick::engine {

struct WalkSettings {
  // Threads that walk: 0 for one per core, and more while they wait for the disk rather than
  // compute.
  unsigned workers = 0;
  // Matched against every collected file's name as it is listed; none: collect only.
  const NameMatcher* matcher = nullptr;
  // Folders never entered, each heard of as such: the trash's own, in a pass to the trash,
  // and those the user excluded.
  std::vector<platform::FileIdentity> trashFolders;
  ExcludedFolders excluded;
};

struct WalkOutcome {
  bool stopped = false;                // the observer asked to stop; the result list is empty
  uint64_t directories = 0;            // directories entered, the root included
  uint64_t unreadableDirectories = 0;  // directories below the root that could not be searched
  std::vector<size_t> matches;         // result-list indices of the names the matcher accepted
};

// Walks the tree below an open root whose listing has been read and fills `results` in the
// order of one walk: subdirectories from the last name to the first, each subtree whole, then
// the directory's own files, so that the root's own files come last. Files whose names the
// file lister's pattern refuses are left out. Links are never followed and no other mounted
// file system is entered.
//
// Several threads walk at once (work_sharing.h), each taking a share of another's unvisited
// subdirectories when it runs out of work; the pieces are put together in order at the end
// (walk_assembly.h). The observer is called on the calling thread only, about every 10 ms, and
// hears of failed folders in the order of the walk, once the walk is complete.
WalkOutcome WalkTree(const std::string& rootPath, const platform::DirectoryHandle& root,
                     std::shared_ptr<const DirectoryListing> rootListing,
                     const FileLister& fileLister, const WalkSettings& settings,
                     ResultList& results, PassObserver& observer);

}  // namespace tarnwick::engine
