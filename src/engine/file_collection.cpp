#include "engine/file_collection.h"

#include <vector>

#include "core/path_helpers.h"

namespace tarnwick::engine {
namespace {

// One directory on the walk's stack, listed once when it is entered.
struct Frame {
  platform::DirectoryHandle handle;  // closed once every subdirectory has been opened
  size_t pathLength = 0;             // its path is the walk's path buffer up to here
  DirectoryListing listing;
  size_t remaining = 0;              // subdirectories still to visit, counting down
};

}  // namespace

void WalkDirectory(const std::string& directoryPath, const platform::DirectoryHandle& directory,
                   const FileLister& fileLister, ResultList& resultList, PassObserver& observer,
                   CollectionOutcome& outcome) {
  platform::RaiseOpenFileLimit();
  std::string path = directoryPath;  // the path of the stack's top directory, with separator
  WalkProgress progress;
  std::vector<Frame> stack;

  // Enters a directory: reports it, lists it and pushes it. False when the observer stops.
  auto enter = [&](platform::DirectoryHandle handle) {
    ++progress.directories;
    progress.currentDirectory = path;
    if (!observer.OnDirectory(progress)) return false;
    Frame frame;
    if (auto error = ListDirectory(handle, frame.listing)) {
      ++outcome.unreadableDirectories;
      observer.OnDirectoryFailed(path, error);
    }
    frame.handle = std::move(handle);
    frame.pathLength = path.size();
    frame.remaining = frame.listing.subdirectories.size();
    progress.files += frame.listing.files.size();
    stack.push_back(std::move(frame));
    return true;
  };

  platform::DirectoryHandle top;
  if (auto error = platform::OpenDirectoryBelow(directory, "", top)) {
    ++outcome.unreadableDirectories;
    observer.OnDirectoryFailed(path, error);
    return;
  }
  bool running = enter(std::move(top));
  while (running && !stack.empty()) {
    Frame& frame = stack.back();
    path.resize(frame.pathLength);
    if (frame.remaining > 0) {
      const std::string& name = frame.listing.subdirectories[--frame.remaining];
      platform::DirectoryHandle child;
      const std::error_code error = platform::OpenChildDirectory(frame.handle, name, child);
      // A directory's handle is needed only to open its subdirectories; letting it go early
      // keeps a deep, narrow tree from holding one handle per level.
      if (frame.remaining == 0) frame.handle.Close();
      path += name;
      core::EnsureTrailingBackslash(path);
      if (error) {
        ++outcome.unreadableDirectories;
        observer.OnDirectoryFailed(path, error);
        continue;
      }
      running = enter(std::move(child));
      continue;
    }
    for (const std::string& name : frame.listing.files) {
      if (!fileLister.Matches(name)) continue;
      path += name;
      resultList.AddItem(path);
      path.resize(frame.pathLength);
    }
    stack.pop_back();
  }
  outcome.directories = progress.directories;
  outcome.stopped = !running;
}

CollectionOutcome CollectFiles(std::string& root, std::string& pattern,
                               DirectoryLister& directoryLister, FileLister& fileLister,
                               ResultList& resultList, PassObserver& observer) {
  core::EnsureTrailingBackslash(root);
  if (pattern.empty()) pattern = "*.*";
  CollectionOutcome outcome;
  resultList.Clear();
  if (!directoryLister.SetPath(root)) {
    outcome.unreadableDirectories = 1;
    return outcome;
  }
  outcome.rootOpened = true;
  fileLister.SetPattern(pattern);

  std::string prefix = directoryLister.Path();
  core::EnsureTrailingBackslash(prefix);
  WalkDirectory(prefix, directoryLister.Handle(), fileLister, resultList, observer, outcome);
  fileLister.SetPath(directoryLister.Path());
  return outcome;
}

}  // namespace tarnwick::engine
