#include "engine/file_collection.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
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

void AddFiles(const std::string& prefix, const DirectoryListing& listing,
              const FileLister& fileLister, ResultList& resultList) {
  std::string path = prefix;
  for (const std::string& name : listing.files) {
    if (!fileLister.Matches(name)) continue;
    path.resize(prefix.size());
    path += name;
    resultList.AddItem(path);
  }
}

// Enough independent subtrees to keep both cores busy, and few enough open handles.
constexpr size_t kWantedSubtrees = 32;
constexpr int kMaxPlanLevels = 4;

struct Failure {
  std::string path;
  std::error_code error;
};

// A subtree walked as one piece, by whichever thread takes it first.
struct Subtree {
  size_t parent = 0;  // index of the expanded directory that holds it
  std::string name;
  std::string path;   // with separator
  ResultList results;
  std::vector<Failure> failures;
  bool stopped = false;
};

// A directory listed while the walk is planned; its subdirectories became subtrees or were
// expanded in turn.
struct ExpandedDirectory {
  std::string path;
  platform::DirectoryHandle handle;
  DirectoryListing listing;
};

// The walk's output in order: subtree results and the files of expanded directories.
struct OutputItem {
  bool isSubtree;
  size_t index;
};

// A walk of the whole tree: the top is planned on the calling thread, the subtrees below are
// walked on up to two threads, and the pieces are put together in the order of one walk.
class ParallelWalk {
 public:
  ParallelWalk(const FileLister& fileLister, PassObserver& observer, CollectionOutcome& outcome)
      : fileLister_(fileLister), observer_(observer), outcome_(outcome) {}

  void Run(const std::string& rootPath, const platform::DirectoryHandle& root,
           ResultList& resultList) {
    platform::RaiseOpenFileLimit();
    platform::DirectoryHandle handle;
    if (auto error = platform::OpenDirectoryBelow(root, "", handle)) {
      ReportFailure(rootPath, error);
      return;
    }
    const bool planned = Plan(rootPath, std::move(handle));
    if (planned) WalkSubtrees();
    outcome_.directories = directories_.load();
    if (!planned) return;
    for (const Subtree& subtree : subtrees_) {
      for (const Failure& failure : subtree.failures) ReportFailure(failure.path, failure.error);
      outcome_.stopped = outcome_.stopped || subtree.stopped;
    }
    if (outcome_.stopped) return;
    for (const OutputItem& item : output_) {
      if (item.isSubtree) {
        resultList.Splice(std::move(subtrees_[item.index].results));
      } else {
        const ExpandedDirectory& directory = expanded_[item.index];
        AddFiles(directory.path, directory.listing, fileLister_, resultList);
      }
    }
  }

 private:
  // `pendingFiles`: files the calling thread has collected in a subtree it has not finished.
  bool EnterOnCallingThread(std::string_view path, uint64_t pendingFiles = 0) {
    lastPath_ = path;
    directories_.fetch_add(1, std::memory_order_relaxed);
    if (!observer_.OnDirectory(Progress(pendingFiles))) {
      stop_ = true;
      outcome_.stopped = true;
    }
    return !stop_;
  }

  WalkProgress Progress(uint64_t pendingFiles = 0) const {
    WalkProgress progress;
    progress.directories = directories_.load(std::memory_order_relaxed);
    progress.files = files_.load(std::memory_order_relaxed) + pendingFiles;
    progress.currentDirectory = lastPath_;
    return progress;
  }

  void ReportFailure(std::string_view path, std::error_code error) {
    // A folder on which another file system is mounted is left alone on purpose.
    if (error == std::errc::cross_device_link) {
      observer_.OnOtherFileSystem(path);
      return;
    }
    ++outcome_.unreadableDirectories;
    observer_.OnDirectoryFailed(path, error);
  }

  // Lists the top levels on the calling thread until there are enough subtrees to share.
  bool Plan(const std::string& rootPath, platform::DirectoryHandle root) {
    if (!Expand(rootPath, std::move(root))) return false;
    output_ = ExpandedOrder(0);
    for (int level = 1; level < kMaxPlanLevels && subtrees_.size() < kWantedSubtrees; ++level) {
      std::vector<OutputItem> next;
      std::vector<Subtree> unexpanded = std::move(subtrees_);
      subtrees_.clear();
      for (const OutputItem& item : output_) {
        if (!item.isSubtree) {
          next.push_back(item);
          continue;
        }
        Subtree& subtree = unexpanded[item.index];
        platform::DirectoryHandle handle;
        if (auto error = platform::OpenChildDirectory(expanded_[subtree.parent].handle,
                                                      subtree.name, handle)) {
          ReportFailure(subtree.path, error);
          continue;
        }
        if (!Expand(subtree.path, std::move(handle))) return false;
        const auto order = ExpandedOrder(expanded_.size() - 1);
        next.insert(next.end(), order.begin(), order.end());
      }
      output_ = std::move(next);
      if (subtrees_.empty()) break;  // every directory is listed already
    }
    return true;
  }

  // Enters and lists a directory of the plan; its subdirectories become subtrees.
  bool Expand(const std::string& path, platform::DirectoryHandle handle) {
    if (!EnterOnCallingThread(path)) return false;
    ExpandedDirectory directory{path, std::move(handle), {}};
    if (auto error = ListDirectory(directory.handle, directory.listing)) ReportFailure(path, error);
    files_.fetch_add(directory.listing.files.size(), std::memory_order_relaxed);
    expanded_.push_back(std::move(directory));
    return true;
  }

  // The output of an expanded directory: its subtrees from the last to the first, then its files.
  std::vector<OutputItem> ExpandedOrder(size_t expandedIndex) {
    std::vector<OutputItem> order;
    const ExpandedDirectory& directory = expanded_[expandedIndex];
    const auto& names = directory.listing.subdirectories;
    for (size_t i = names.size(); i-- > 0;) {
      std::string path = directory.path + names[i];
      core::EnsureTrailingBackslash(path);
      subtrees_.push_back(Subtree{expandedIndex, names[i], std::move(path), {}, {}, false});
      order.push_back({true, subtrees_.size() - 1});
    }
    order.push_back({false, expandedIndex});
    return order;
  }

  void WalkSubtrees() {
    const bool shareWork = std::thread::hardware_concurrency() > 1 && subtrees_.size() > 1;
    if (!shareWork) {
      WalkOnThisThread(true);
      return;
    }
    std::thread helper([this] {
      WalkOnThisThread(false);
      {
        const std::lock_guard<std::mutex> lock(mutex_);
        helperDone_ = true;
      }
      helperFinished_.notify_one();
    });
    WalkOnThisThread(true);
    // Keep the calling thread's events flowing while the other core finishes.
    std::unique_lock<std::mutex> lock(mutex_);
    while (!helperFinished_.wait_for(lock, std::chrono::milliseconds(20), [this] { return helperDone_; })) {
      lock.unlock();
      if (!observer_.OnDirectory(Progress())) {
        stop_ = true;
        outcome_.stopped = true;
      }
      lock.lock();
    }
    lock.unlock();
    helper.join();
  }

  void WalkOnThisThread(bool callingThread) {
    for (size_t i = next_.fetch_add(1); i < subtrees_.size() && !stop_; i = next_.fetch_add(1)) {
      Subtree& subtree = subtrees_[i];
      WalkCallbacks callbacks;
      callbacks.onDirectory = [this, callingThread, &subtree](std::string_view path) {
        if (callingThread) return EnterOnCallingThread(path, subtree.results.ListCount());
        directories_.fetch_add(1, std::memory_order_relaxed);
        return !stop_.load();
      };
      callbacks.onDirectoryFailed = [&subtree](std::string_view path, std::error_code error) {
        subtree.failures.push_back({std::string(path), error});
      };
      platform::DirectoryHandle handle;
      if (auto error = platform::OpenChildDirectory(expanded_[subtree.parent].handle, subtree.name,
                                                    handle)) {
        subtree.failures.push_back({subtree.path, error});
        continue;
      }
      subtree.stopped = !WalkDirectory(subtree.path, handle, fileLister_, subtree.results, callbacks);
      files_.fetch_add(subtree.results.ListCount(), std::memory_order_relaxed);
    }
  }

  const FileLister& fileLister_;
  PassObserver& observer_;
  CollectionOutcome& outcome_;
  std::vector<ExpandedDirectory> expanded_;
  std::vector<Subtree> subtrees_;
  std::vector<OutputItem> output_;
  std::string lastPath_;
  std::atomic<size_t> next_{0};
  std::atomic<uint64_t> directories_{0};
  std::atomic<uint64_t> files_{0};
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::condition_variable helperFinished_;
  bool helperDone_ = false;
};

}  // namespace

bool WalkDirectory(const std::string& directoryPath, const platform::DirectoryHandle& directory,
                   const FileLister& fileLister, ResultList& resultList,
                   const WalkCallbacks& callbacks) {
  std::string path = directoryPath;  // the path of the stack's top directory, with separator
  std::vector<Frame> stack;

  // Enters a directory: reports it, lists it and pushes it. False when told to stop.
  auto enter = [&](platform::DirectoryHandle handle) {
    if (!callbacks.onDirectory(path)) return false;
    Frame frame;
    if (auto error = ListDirectory(handle, frame.listing)) callbacks.onDirectoryFailed(path, error);
    frame.handle = std::move(handle);
    frame.pathLength = path.size();
    frame.remaining = frame.listing.subdirectories.size();
    stack.push_back(std::move(frame));
    return true;
  };

  platform::DirectoryHandle top;
  if (auto error = platform::OpenDirectoryBelow(directory, "", top)) {
    callbacks.onDirectoryFailed(path, error);
    return true;
  }
  if (!enter(std::move(top))) return false;
  while (!stack.empty()) {
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
        callbacks.onDirectoryFailed(path, error);
        continue;
      }
      if (!enter(std::move(child))) return false;
      continue;
    }
    AddFiles(path, frame.listing, fileLister, resultList);
    stack.pop_back();
  }
  return true;
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
  ParallelWalk walk(fileLister, observer, outcome);
  walk.Run(prefix, directoryLister.Handle(), resultList);
  fileLister.SetPath(directoryLister.Path());
  if (!outcome.stopped) observer.OnWalkEnded({outcome.directories, resultList.ListCount(), prefix});
  return outcome;
}

}  // namespace tarnwick::engine
