#include "gui/search_root.h"

#include "core/path_helpers.h"
#include "platform/path_kind.h"

namespace tarnwick::gui {

std::string SearchRootFor(std::string path) {
  core::EnsureTrailingBackslash(path);
  const std::string named = path.substr(0, path.size() - 1);
  if (named.empty() || platform::KindOfPath(named) != platform::PathKind::kOther) return path;
  std::string folder(named.substr(0, named.size() - core::FileNamePart(named).size()));
  if (folder.empty()) folder = ".";  // a bare file name lies in the current folder
  core::EnsureTrailingBackslash(folder);
  return folder;
}

}  // namespace tarnwick::gui
