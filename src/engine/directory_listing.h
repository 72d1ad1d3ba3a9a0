// One folder's entries as the walk reads them once: subfolders and files apart, in byte order.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "platform/dir/directory_handle.h"

namespace tarnwick::engine {

// One directory's entries split into real subdirectories and everything else, each sorted by
// name (byte order) so that every run visits a tree in the same order. Links, FIFOs, sockets
// and devices count as files: they are removed as entries and never entered or opened. The
// names are kept in one buffer, as a directory may hold millions of them.
class DirectoryListing {
 public:
  std::error_code Read(const platform::DirectoryHandle& directory);

  size_t SubdirectoryCount() const { return subdirectories_.size(); }
  size_t FileCount() const { return files_.size(); }
  std::string_view Subdirectory(size_t index) const {
    return NameAt(subdirectories_[index].name);
  }
  // The number the listing gave the subdirectory (see platform::ReadDirectory).
  uint64_t SubdirectoryNumber(size_t index) const { return subdirectories_[index].number; }
  std::string_view File(size_t index) const { return NameAt(files_[index]); }

 private:
  void Clear();
  std::string_view NameAt(size_t offset) const;

  struct ListedSubdirectory {
    size_t name;  // where its name starts in names_
    uint64_t number;
  };

  std::string names_;  // every name, each followed by a NUL
  std::vector<ListedSubdirectory> subdirectories_;  // in name order
  std::vector<size_t> files_;  // where each name starts in names_, in name order
};

}  // namespace tarnwick::engine
