// The collected files in the order of one walk, each readable as its full path.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/name_store.h"

namespace tarnwick::engine {

// The collected files in the order of the walk, each readable by index as its full path. A
// walk over a large disk collects millions of them, so each is kept as its folder and its
// name: every folder's name once, every file's name once.
class ResultList {
 public:
  void Clear();
  size_t ListCount() const { return count_; }
  // The full path of the index-th file.
  std::string List(size_t index) const;

  std::string_view NameOf(size_t index) const;
  FolderRef FolderOf(size_t index) const;
  // A folder's full path, ending in a separator.
  std::string FolderPath(FolderRef folder) const;
  // A folder's path below the root, without separators at either end; empty for the root.
  std::string PathBelowRoot(FolderRef folder) const;

  // Filling the list, for the walk: the root's path (ending in a separator) and the stores
  // the walk's threads filled, then the runs of files in order, each a folder's files.
  void Start(std::string rootPath, std::vector<NameStore> stores);
  void AppendRun(FolderRef folder, uint32_t store, uint64_t firstNumber, uint64_t count);

 private:
  struct Run {
    uint64_t firstIndex;   // in this list
    uint64_t firstNumber;  // in its store
    FolderRef folder;
    uint32_t store;
  };
  const Run& RunOf(size_t index) const;

  std::string rootPath_;
  std::vector<NameStore> stores_;
  std::vector<Run> runs_;
  size_t count_ = 0;
};

}  // namespace tarnwick::engine
