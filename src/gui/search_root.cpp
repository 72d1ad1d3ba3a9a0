#include "gui/search_root.h"

#include "core/path_helpers.h"
#include "platform/path/full_path.h"
#include "platform/path/path_kind.h"
#include "platform/path/path_separator.h"

namespace tarnwick::gui {

std::string SearchRootFor(std::string path) {
  core::EnsureTrailingBackslash(path);
  const std::string named = path.substr(0, path.size() - 1);
  if (named.empty() || platform::KindOfPath(named) != platform::PathKind::kOther) {
    return platform::FullPathName(path);
  }
  const std::string file = platform::FullPathName(named);
  const size_t folderLength = file.size() - core::FileNamePart(file).size();
  // A bare file name lies in the current folder.
  if (folderLength == 0) return std::string{'.', platform::kPathSeparator};
  return file.substr(0, folderLength);
}

std::string NameToListFor(const std::string& path) {
  return std::string(core::FileNamePart(platform::FullPathName(path)));
}

}  // namespace tarnwick::gui
