// Compact storage of the folders and names a walk collects: millions of files at about 21
// bytes each.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tarnwick::engine {

// A folder recorded by a walk: which store holds its record, and where.
struct FolderRef {
  uint32_t store = 0;
  uint32_t index = 0;
  friend bool operator==(const FolderRef&, const FolderRef&) = default;
};

// The root of a walk, which no store records: its path is the walk's root path.
inline constexpr FolderRef kRootFolder{UINT32_MAX, UINT32_MAX};

// What one walking thread collects: folders, each as its own name and the folder that holds
// it, and file names in the order they were added. Nothing holds a full path, so a deep tree
// costs no more than a flat one. File names are packed into large blocks, NUL after each.
class NameStore {
 public:
  uint32_t AddFolder(FolderRef parent, std::string_view name);
  FolderRef ParentOf(uint32_t folder) const { return folders_[folder].parent; }
  std::string_view FolderName(uint32_t folder) const;

  // Returns the file's number in this store, counting from 0.
  uint64_t AddFile(std::string_view name);
  uint64_t FileCount() const { return fileCount_; }
  std::string_view File(uint64_t number) const;

 private:
  static constexpr size_t kBlockSize = 64 * 1024;
  static constexpr uint64_t kIndexStep = 32;  // one position kept per this many files

  struct Folder {
    FolderRef parent;
    uint64_t nameOffset;  // in folderNames_
  };
  // Where a file name starts: block number and offset, in one number.
  static uint64_t Position(uint64_t block, uint64_t offset) { return block << 32 | offset; }

  std::vector<Folder> folders_;
  std::string folderNames_;
  std::vector<std::unique_ptr<char[]>> blocks_;
  size_t blockUsed_ = kBlockSize;  // of the last block; full means no block yet
  std::vector<uint64_t> positions_;  // of every kIndexStep-th file
  uint64_t fileCount_ = 0;
};

}  // namespace tarnwick::engine
