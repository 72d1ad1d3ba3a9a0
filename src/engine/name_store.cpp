#include "engine/name_store.h"

#include <cstring>
#include <stdexcept>

namespace tarnwick::engine {

uint32_t NameStore::AddFolder(FolderRef parent, std::string_view name) {
  if (folders_.size() >= UINT32_MAX) throw std::length_error("NameStore: too many folders");
  folders_.push_back({parent, folderNames_.size()});
  folderNames_.append(name);
  folderNames_.push_back('\0');
  return static_cast<uint32_t>(folders_.size() - 1);
}

std::string_view NameStore::FolderName(uint32_t folder) const {
  return std::string_view(folderNames_.data() + folders_[folder].nameOffset);
}

uint64_t NameStore::AddFile(std::string_view name) {
  const size_t needed = name.size() + 1;
  if (needed >= kBlockSize) throw std::length_error("NameStore: file name too long");
  // An empty name (a lone NUL) marks the end of a block's names: no file name is empty.
  if (blockUsed_ + needed >= kBlockSize) {
    if (!blocks_.empty()) blocks_.back()[blockUsed_] = '\0';
    blocks_.push_back(std::make_unique_for_overwrite<char[]>(kBlockSize));
    blockUsed_ = 0;
  }
  if (fileCount_ % kIndexStep == 0) positions_.push_back(Position(blocks_.size() - 1, blockUsed_));
  char* target = blocks_.back().get() + blockUsed_;
  std::memcpy(target, name.data(), name.size());
  target[name.size()] = '\0';
  blockUsed_ += needed;
  return fileCount_++;
}

std::string_view NameStore::File(uint64_t number) const {
  if (number >= fileCount_) throw std::out_of_range("NameStore::File");
  const uint64_t position = positions_[number / kIndexStep];
  uint64_t block = position >> 32;
  const char* name = blocks_[block].get() + (position & UINT32_MAX);
  for (uint64_t skip = number % kIndexStep; skip > 0; --skip) {
    name += std::strlen(name) + 1;
    if (*name == '\0') name = blocks_[++block].get();
  }
  return std::string_view(name);
}

}  // namespace tarnwick::engine
