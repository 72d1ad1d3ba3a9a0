// The second half of a pass: the matches deleted or moved to the trash, folder by folder, on
// several threads, each folder reached from the walk's root handle.
#pragma once

#include <atomic>
#include <cstddef>
#include <memory>
#include <system_error>
#include <vector>

#include "engine/delete_report.h"
#include "engine/kept_files.h"
#include "engine/pass_observer.h"
#include "engine/result_list.h"
#include "engine/work_sharing.h"
#include "platform/dir/directory_handle.h"
#include "platform/trash/trash.h"

namespace tarnwick::engine {

// Deletes the matching files of a walk, or moves them to the trash, several folders at once on
// as many threads as there are cores (work_sharing.h). Each folder is opened from the root's
// handle, never by its path alone. The observer hears of every file on the calling thread, in
// the order of the walk, and of the counts about every 10 ms; a stop ends the deletions once
// the files in hand are dealt with.
class FolderDeletion {
 public:
  // `trash`: where the files go; none, to delete them for good.
  FolderDeletion(const ResultList& results, const platform::DirectoryHandle& root,
                 const KeptFiles& kept, const std::vector<size_t>& matches,
                 platform::Trash* trash);
  void Run(PassObserver& observer, DeleteReport& report);

 private:
  struct Outcome {
    std::error_code error;
    std::atomic<bool> done{false};
  };
  // Matches [begin, end) share a folder.
  struct Folder {
    size_t begin;
    size_t end;
  };

  void DeleteFolder(const Folder& folder);
  // Deals with the matches [begin, end) of the open folder.
  void Dispose(const platform::DirectoryHandle& directory, size_t begin, size_t end);
  // Tells the observer of the finished matches from `reported` on, stopping at the first that
  // is not finished unless `all`.
  void Report(PassObserver& observer, DeleteReport& report, size_t& reported, bool all);

  const ResultList& results_;
  const platform::DirectoryHandle& root_;
  const KeptFiles& kept_;
  const std::vector<size_t>& matches_;
  platform::Trash* trash_;
  std::vector<Folder> folders_;
  std::unique_ptr<Outcome[]> outcomes_;  // one per match
  SharedWork work_;                      // indices of folders_
};

}  // namespace tarnwick::engine
