#pragma once

#include <string>
#include <system_error>
#include <vector>

#include "platform/directory_handle.h"

namespace tarnwick::engine {

// One directory's entries split into real subdirectories and everything else, each sorted by
// name (byte order) so that every run visits a tree in the same order. Links, FIFOs, sockets
// and devices count as files: they are removed as entries and never entered or opened.
struct DirectoryListing {
  std::vector<std::string> subdirectories;
  std::vector<std::string> files;
};

std::error_code ListDirectory(const platform::DirectoryHandle& directory, DirectoryListing& listing);

}  // namespace tarnwick::engine
