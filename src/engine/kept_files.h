// The program's own files, which no pass deals with though their names be listed.
#pragma once

#include <string>
#include <system_error>
#include <vector>

#include "platform/dir/directory_handle.h"

namespace tarnwick::engine {

// The files a pass never deletes, though their names be listed: the settings file in use and
// the program's own executables. A match among them counts as not deleted, for KeptFileError.
class KeptFiles {
 public:
  KeptFiles() = default;
  // Files that do not exist are left out.
  explicit KeptFiles(const std::vector<std::string>& paths);
  bool Contains(const platform::DirectoryHandle& parent, const std::string& name) const;

 private:
  std::vector<platform::FileIdentity> identities_;
  // Their own names, upper-cased: only an entry of such a name can be one of them (another
  // name for the same file is a link, whose removal leaves the file), so only those are looked
  // at more closely.
  std::vector<std::string> upperNames_;
};

// Why a kept file was not deleted.
std::error_code KeptFileError();

}  // namespace tarnwick::engine
