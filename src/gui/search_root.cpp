#include "gui/search_root.h"

#include "core/path_helpers.h"
#include "platform/path_kind.h"
#include "platform/path_separator.h"

namespace tarnwick::gui {

std::string SearchRootFor(std::string path) {
  core::EnsureTrailingBackslash(path);
  const std::string named = path.substr(0, path.size() - 1);
  if (named.empty() || platform::KindOfPath(named) != platform::PathKind::kOther) return path;
  const size_t folderLength = named.size() - core::FileNamePart(named).size();
  // A bare file name lies in the current folder.
  if (folderLength == 0) return std::string{'.', platform::kPathSeparator};
  return named.substr(0, folderLength);
}

}  // namespace tarnwick::gui
