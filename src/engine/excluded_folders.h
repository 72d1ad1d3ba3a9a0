// The folders a pass never enters, looked up once and then known by identity, not by spelling.
#pragma once

#include <span>
#include <string>
#include <system_error>
#include <vector>

#include "platform/dir/directory_handle.h"

namespace tarnwick::engine {

// The folders the user asked a pass never to enter, known by who they are rather than by how
// their paths are spelt: another spelling, a link to one or a bind mount of one is the same
// folder.
class ExcludedFolders {
 public:
  ExcludedFolders() = default;
  // Looks each path up now, as the pass starts; one that names no folder is kept aside, and an
  // empty one is left out.
  explicit ExcludedFolders(std::span<const std::string> paths);

  const std::vector<platform::FileIdentity>& Identities() const { return identities_; }
  // Whether the open folder is excluded or lies in an excluded folder.
  bool Excludes(const platform::DirectoryHandle& folder) const;
  // The same for the folder at `root`: whether a pass over it would search nothing. A root that
  // cannot be opened is not excluded.
  bool ExcludesRoot(const std::string& root) const;
  // The paths that named no folder when the pass started, in the order given.
  const std::vector<std::string>& Missing() const { return missing_; }

 private:
  std::vector<platform::FileIdentity> identities_;
  std::vector<std::string> missing_;
};

// Why a walk did not enter a folder: it is excluded.
std::error_code ExcludedFolderError();

}  // namespace tarnwick::engine
