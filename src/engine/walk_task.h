// The unit of the walk's work: one subtree, and the pieces of output it leaves for the assembly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

#include "engine/directory_listing.h"
#include "engine/name_store.h"
#include "platform/dir/directory_handle.h"

namespace tarnwick::engine {

// A part of one task's output, in the order of the walk.
struct Piece {
  enum class Kind : uint8_t { kFiles, kTask, kFailure };
  Kind kind;
  FolderRef folder;    // kFiles: the folder that holds the files
  uint64_t first = 0;  // kFiles: the first file's number in the task's store; kTask: the
                       // task; kFailure: the failure
  uint64_t count = 0;  // kFiles
};

// A folder that could not be entered or read, or one on which another file system is mounted
// (std::errc::cross_device_link).
struct WalkFailure {
  std::string path;
  std::error_code error;
};

// Some subdirectories of one directory, walked whole by one thread: the children from `first`
// to before `end` in the directory's listing. The root's task holds all of its children and
// its own files as well. What the thread found is kept in pieces, for the assembly.
struct WalkTask {
  platform::DirectoryHandle handle;
  std::shared_ptr<const DirectoryListing> listing;
  FolderRef folder;
  std::string path;  // the directory's, ending in a separator
  size_t first = 0;
  size_t end = 0;
  bool ownsFiles = false;

  uint32_t store = 0;  // of the thread that walked it
  std::vector<Piece> pieces;
  std::vector<uint64_t> matches;  // numbers in the store, ascending
  std::vector<WalkFailure> failures;
};

}  // namespace tarnwick::engine
