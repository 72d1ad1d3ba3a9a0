#include "engine/ordered_walk.h"

#include <algorithm>
#include <atomic>
#include <deque>
#include <mutex>
#include <utility>

#include "engine/walk_assembly.h"
#include "engine/walk_task.h"
#include "engine/work_sharing.h"
#include "platform/path/path_separator.h"
#include "platform/trash/trash.h"

namespace tarnwick::engine {
namespace {

// A directory on one thread's stack. Its children are visited from the last to the first;
// those below `shared` have been handed to other threads in ranges, which take their turn in
// the output when the countdown reaches them.
struct Frame {
  platform::DirectoryHandle handle;  // open while children are left to open
  std::shared_ptr<const DirectoryListing> listing;
  FolderRef folder;
  size_t pathLength = 0;  // its path is the thread's path buffer up to here
  size_t next = 0;        // children before this one are still to do
  size_t shared = 0;      // children before this one are not this thread's
  std::vector<std::pair<size_t, size_t>> handedOut;  // {first child, task}, ascending
  bool ownsFiles = true;
};

// A folder the walk never enters, and the failure it is told as instead.
struct LeftAloneFolder {
  platform::FileIdentity identity;
  std::error_code why;
};

// The settings' folders left alone, in one list; an excluded folder is told as such even when
// it holds the trash.
std::vector<LeftAloneFolder> LeftAloneFolders(const WalkSettings& settings) {
  std::vector<LeftAloneFolder> folders;
  for (const platform::FileIdentity& folder : settings.excluded.Identities()) {
    folders.push_back({folder, ExcludedFolderError()});
  }
  for (const platform::FileIdentity& folder : settings.trashFolders) {
    folders.push_back({folder, make_error_code(platform::TrashError::kIsTrash)});
  }
  return folders;
}

// One walk of a tree on several threads. Each thread walks whole tasks depth first; while
// another thread waits, it hands over a range of its unvisited subdirectories as a new task,
// which keeps its place in the output. The assembly puts the tasks' pieces in order at the end.
class OrderedWalk {
 public:
  OrderedWalk(const FileLister& fileLister, const WalkSettings& settings, PassObserver& observer)
      : fileLister_(fileLister),
        matcher_(settings.matcher),
        leftAlone_(LeftAloneFolders(settings)),
        observer_(observer),
        plan_(PlanThreads(settings.workers, true)),
        stores_(plan_.most) {}

  WalkOutcome Run(const std::string& rootPath, const platform::DirectoryHandle& root,
                  std::shared_ptr<const DirectoryListing> rootListing, ResultList& results) {
    WalkOutcome outcome;
    WalkTask top;
    if (auto error = platform::DuplicateDirectory(root, top.handle)) {
      ++outcome.unreadableDirectories;
      observer_.OnDirectoryFailed(rootPath, error);
      return outcome;
    }
    directories_ = 1;
    files_ = rootListing->FileCount();
    top.end = rootListing->SubdirectoryCount();
    top.listing = std::move(rootListing);
    top.folder = kRootFolder;
    top.path = rootPath;
    top.ownsFiles = true;
    tasks_.push_back(std::move(top));
    work_.Add(0);

    platform::RaiseOpenFileLimit();
    // The walk stays on the root's file system, so what its listings' numbers are worth is
    // asked once.
    numbersAreIdentities_ = !leftAlone_.empty() && platform::ListedNumbersAreIdentities(root);
    lastPath_ = rootPath;
    const bool complete = ShareWork(
        work_, plan_, [this](unsigned thread, size_t task) { Walk(TaskAt(task), thread); },
        [this] {
          const std::string shownPath = TakeLastPath();
          return observer_.OnWalkProgress(Progress(shownPath));
        });
    outcome.stopped = !complete;
    outcome.directories = directories_.load();
    if (complete) {
      AssembledWalk assembled =
          AssembleInWalkOrder(tasks_, std::move(stores_), rootPath, results, observer_);
      outcome.unreadableDirectories += assembled.unreadableDirectories;
      outcome.matches = std::move(assembled.matches);
    }
    return outcome;
  }

 private:
  // The directory entered lately; the next one a thread enters becomes the one shown next.
  std::string TakeLastPath() {
    const std::lock_guard<std::mutex> lock(pathMutex_);
    wantPath_ = true;
    return lastPath_;
  }

  // The figures so far, shown with `path`.
  WalkProgress Progress(std::string_view path) const {
    WalkProgress progress;
    progress.directories = directories_.load(std::memory_order_relaxed);
    progress.files = files_.load(std::memory_order_relaxed);
    progress.currentDirectory = path;
    return progress;
  }

  WalkTask& TaskAt(size_t task) {
    const std::lock_guard<std::mutex> lock(tasksMutex_);
    return tasks_[task];
  }

  // Hands half of the unvisited children of the shallowest directory that has any to a new
  // task: near the top they hold the most work. The child the top directory visits next stays
  // with this thread. Directories only ever lose unvisited children, so those below
  // `shareFrom` need no second look.
  void Share(std::vector<Frame>& stack, size_t& shareFrom, const std::string& path) {
    const auto spare = [&stack](size_t i) {
      const Frame& f = stack[i];
      const size_t unvisited = f.next - f.shared;
      return i + 1 == stack.size() && unvisited > 0 ? unvisited - 1 : unvisited;
    };
    while (shareFrom < stack.size() && spare(shareFrom) == 0) ++shareFrom;
    if (shareFrom == stack.size()) return;
    Frame& frame = stack[shareFrom];
    WalkTask task;
    if (platform::DuplicateDirectory(frame.handle, task.handle)) return;
    const size_t count = std::max<size_t>(1, spare(shareFrom) / 2);
    task.listing = frame.listing;
    task.folder = frame.folder;
    task.path = path.substr(0, frame.pathLength);
    task.first = frame.shared;
    task.end = frame.shared + count;
    size_t index = 0;
    {
      const std::lock_guard<std::mutex> lock(tasksMutex_);
      tasks_.push_back(std::move(task));
      index = tasks_.size() - 1;
    }
    frame.handedOut.emplace_back(frame.shared, index);
    frame.shared += count;
    if (frame.next == frame.shared) frame.handle.Close();
    work_.Add(index);
  }

  void Walk(WalkTask& task, uint32_t storeIndex) {
    NameStore& store = stores_[storeIndex];
    task.store = storeIndex;
    std::string path = task.path;
    std::vector<Frame> stack;
    stack.push_back(Frame{std::move(task.handle), task.listing, task.folder, path.size(), task.end,
                          task.first, {}, task.ownsFiles});
    size_t shareFrom = 0;
    while (!stack.empty()) {
      if (work_.Stopped()) return;
      if (work_.Wanted()) Share(stack, shareFrom, path);
      Frame& frame = stack.back();
      path.resize(frame.pathLength);
      if (frame.next > frame.shared) {
        VisitChild(task, store, storeIndex, stack, path);
      } else if (!frame.handedOut.empty()) {
        const auto [first, handed] = frame.handedOut.back();
        frame.handedOut.pop_back();
        task.pieces.push_back({Piece::Kind::kTask, {}, handed, 0});
        frame.next = frame.shared = first;
      } else {
        if (frame.ownsFiles) AddFiles(task, store, frame);
        stack.pop_back();
        shareFrom = std::min(shareFrom, stack.size());
      }
    }
  }

  // Opens the next child of the stack's top directory, enters and lists it.
  void VisitChild(WalkTask& task, NameStore& store, uint32_t storeIndex, std::vector<Frame>& stack,
                  std::string& path) {
    Frame& frame = stack.back();
    const std::string_view name = frame.listing->Subdirectory(--frame.next);
    platform::DirectoryHandle child;
    const std::error_code opened =
        platform::OpenChildDirectory(frame.handle, std::string(name), child);
    const std::error_code openError =
        MayBeLeftAlone(frame.listing->SubdirectoryNumber(frame.next))
            ? WhyNotEntered(frame.handle, name, child, opened)
            : opened;
    // A directory's handle is needed only to open its subdirectories; letting it go early
    // keeps a deep, narrow tree from holding one handle per level.
    if (frame.next == frame.shared) frame.handle.Close();
    path += name;
    path += platform::kPathSeparator;
    if (openError) {
      AddFailure(task, path, openError);
      return;
    }
    const FolderRef folder{storeIndex, store.AddFolder(frame.folder, name)};
    directories_.fetch_add(1, std::memory_order_relaxed);
    if (wantPath_.load(std::memory_order_relaxed) && wantPath_.exchange(false)) {
      const std::lock_guard<std::mutex> lock(pathMutex_);
      lastPath_ = path;
    }
    auto listing = std::make_shared<DirectoryListing>();
    if (auto error = listing->Read(child)) AddFailure(task, path, error);
    files_.fetch_add(listing->FileCount(), std::memory_order_relaxed);
    const size_t children = listing->SubdirectoryCount();
    stack.push_back(Frame{std::move(child), std::move(listing), folder, path.size(), children, 0, {}, true});
    if (children == 0) stack.back().handle.Close();
  }

  // Whether the folder the listing numbers so may be one left alone: where the numbers are the
  // folders' own, a folder whose number no such folder has needs no closer look.
  bool MayBeLeftAlone(uint64_t listedNumber) const {
    if (!numbersAreIdentities_) return !leftAlone_.empty();
    return std::any_of(leftAlone_.begin(), leftAlone_.end(), [listedNumber](const auto& folder) {
      return folder.identity.file == listedNumber;
    });
  }

  // Why the child is not entered: it could not be opened (`openError`), or it is a folder left
  // alone, which it is whether it could be opened or not. The open folder itself is asked who
  // it is, so that no folder can take an excluded one's place between a look and the open.
  std::error_code WhyNotEntered(const platform::DirectoryHandle& parent, std::string_view name,
                                const platform::DirectoryHandle& child,
                                std::error_code openError) const {
    const auto identity = openError ? platform::IdentityOfEntry(parent, std::string(name))
                                    : platform::IdentityOfDirectory(child);
    if (!identity) return openError;
    const auto folder = std::find_if(leftAlone_.begin(), leftAlone_.end(),
                                     [&identity](const auto& f) { return f.identity == *identity; });
    return folder != leftAlone_.end() ? folder->why : openError;
  }

  void AddFailure(WalkTask& task, const std::string& path, std::error_code error) {
    task.failures.push_back({path, error});
    task.pieces.push_back({Piece::Kind::kFailure, {}, task.failures.size() - 1, 0});
  }

  void AddFiles(WalkTask& task, NameStore& store, const Frame& frame) {
    const DirectoryListing& listing = *frame.listing;
    const uint64_t first = store.FileCount();
    for (size_t i = 0; i < listing.FileCount(); ++i) {
      const std::string_view name = listing.File(i);
      if (!fileLister_.Matches(name)) continue;
      const uint64_t number = store.AddFile(name);
      if (matcher_ != nullptr && matcher_->Matches(name)) task.matches.push_back(number);
    }
    const uint64_t count = store.FileCount() - first;
    if (count > 0) task.pieces.push_back({Piece::Kind::kFiles, frame.folder, first, count});
  }

  const FileLister& fileLister_;
  const NameMatcher* matcher_;
  const std::vector<LeftAloneFolder> leftAlone_;
  bool numbersAreIdentities_ = false;  // the listings' numbers are the folders' inode numbers
  PassObserver& observer_;
  const ThreadPlan plan_;
  std::vector<NameStore> stores_;  // one per thread

  SharedWork work_;  // indices of tasks_
  std::mutex tasksMutex_;
  std::deque<WalkTask> tasks_;  // a deque, so that a task stays in place while others are added

  std::atomic<uint64_t> directories_{0};
  std::atomic<uint64_t> files_{0};

  std::atomic<bool> wantPath_{false};
  std::mutex pathMutex_;
  std::string lastPath_;   // a directory entered lately, when the observer asked
};

}  // namespace

WalkOutcome WalkTree(const std::string& rootPath, const platform::DirectoryHandle& root,
                     std::shared_ptr<const DirectoryListing> rootListing,
                     const FileLister& fileLister, const WalkSettings& settings,
                     ResultList& results, PassObserver& observer) {
  OrderedWalk walk(fileLister, settings, observer);
  return walk.Run(rootPath, root, std::move(rootListing), results);
}

}  // namespace tarnwick::engine
