#include "engine/file_collection.h"

#include "core/path_helpers.h"

namespace tarnwick::engine {

CollectionOutcome CollectFiles(std::string& root, std::string& pattern,
                               DirectoryLister& directoryLister, FileLister& fileLister,
                               ResultList& resultList, PassObserver& observer,
                               const WalkSettings& settings) {
  // An empty root names no folder: with a separator it would name the file system's root.
  const bool noRoot = root.empty();
  if (!noRoot) core::EnsureTrailingBackslash(root);
  if (pattern.empty()) pattern = "*.*";
  CollectionOutcome outcome;
  resultList.Clear();
  if (const std::error_code error =
          noRoot ? std::make_error_code(std::errc::no_such_file_or_directory)
                 : directoryLister.Open(root)) {
    outcome.unreadableDirectories = 1;
    observer.OnDirectoryFailed(root, error);
    return outcome;
  }
  outcome.rootOpened = true;
  fileLister.SetPattern(pattern);

  std::string prefix = directoryLister.Path();
  core::EnsureTrailingBackslash(prefix);
  if (settings.excluded.Excludes(directoryLister.Handle())) {
    outcome.rootExcluded = true;
    observer.OnExcludedFolder(prefix);
    return outcome;
  }
  static_cast<WalkOutcome&>(outcome) = WalkTree(prefix, directoryLister.Handle(),
                                                directoryLister.Listing(), fileLister, settings,
                                                resultList, observer);
  fileLister.ShowListing(directoryLister.Path(), directoryLister.Listing());
  if (!outcome.stopped) observer.OnWalkEnded({outcome.directories, resultList.ListCount(), prefix});
  return outcome;
}

}  // namespace tarnwick::engine
