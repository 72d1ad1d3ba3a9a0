#include "engine/ordered_walk.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

#include "platform/path_separator.h"
#include "platform/process_time.h"

namespace tarnwick::engine {
namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kObserverInterval = std::chrono::milliseconds(10);

// A part of one task's output, in order.
struct Piece {
  enum class Kind : uint8_t { kFiles, kTask, kFailure };
  Kind kind;
  FolderRef folder;    // kFiles: the folder that holds the files
  uint64_t first = 0;  // kFiles: the first file's number in the task's store; kTask: the
                       // task; kFailure: the failure
  uint64_t count = 0;  // kFiles
};

struct Failure {
  std::string path;
  std::error_code error;
};

// Some subdirectories of one directory, walked whole by one thread: the children from `first`
// to before `end` in the directory's listing. The root's task holds all of its children and
// its own files as well.
struct Task {
  platform::DirectoryHandle handle;
  std::shared_ptr<const DirectoryListing> listing;
  FolderRef folder;
  std::string path;  // the directory's, ending in a separator
  size_t first = 0;
  size_t end = 0;
  bool ownsFiles = false;

  uint32_t store = 0;  // of the thread that walked it
  std::vector<Piece> pieces;
  std::vector<uint64_t> matches;  // numbers in the store, ascending
  std::vector<Failure> failures;
};

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

class OrderedWalk {
 public:
  OrderedWalk(const FileLister& fileLister, const WalkSettings& settings, PassObserver& observer)
      : fileLister_(fileLister), matcher_(settings.matcher), observer_(observer) {
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    adaptive_ = settings.workers == 0;
    firstWorkers_ = adaptive_ ? cores : settings.workers;
    // While the disk is the limit, threads mostly wait; more of them keep it busier, up to
    // four per core (no more than 64 unless there are more cores).
    maxWorkers_ = adaptive_ ? std::max({8u, cores, std::min(4 * cores, 64u)}) : settings.workers;
    stores_.resize(maxWorkers_);
    threads_.reserve(maxWorkers_);
  }

  WalkOutcome Run(const std::string& rootPath, const platform::DirectoryHandle& root,
                  std::shared_ptr<const DirectoryListing> rootListing, ResultList& results) {
    WalkOutcome outcome;
    Task top;
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
    pending_.push_back(0);
    pendingCount_ = 1;

    platform::RaiseOpenFileLimit();
    lastPath_ = rootPath;
    outcome.stopped = !Coordinate();
    outcome.directories = directories_.load();
    if (!outcome.stopped) Assemble(rootPath, results, outcome);
    return outcome;
  }

 private:
  // Runs the threads and keeps the observer informed until they are done. False when stopped.
  bool Coordinate() {
    // The observer hears of the root before anything below it is walked, and may stop there.
    bool going = observer_.OnDirectory(Progress());
    if (!going) Stop();
    for (unsigned i = 0; going && i < firstWorkers_; ++i) StartWorker();
    auto lastTime = Clock::now();
    auto lastCpu = platform::ProcessCpuTime();
    for (;;) {
      {
        std::unique_lock<std::mutex> lock(mutex_);
        if (doneChanged_.wait_for(lock, kObserverInterval, [this] { return finished_; })) break;
      }
      wantPath_ = true;
      if (going && !observer_.OnDirectory(Progress())) {
        going = false;
        Stop();
      }
      if (adaptive_ && going) AddWorkerWhileWaitingForDisk(lastTime, lastCpu);
    }
    for (std::thread& thread : threads_) thread.join();
    return going;
  }

  // Threads that use little of the processor time they could are waiting for the disk.
  void AddWorkerWhileWaitingForDisk(Clock::time_point& lastTime, std::chrono::nanoseconds& lastCpu) {
    const auto now = Clock::now();
    const auto cpu = platform::ProcessCpuTime();
    const double wall = std::chrono::duration<double>(now - lastTime).count();
    const double used = std::chrono::duration<double>(cpu - lastCpu).count();
    lastTime = now;
    lastCpu = cpu;
    const bool allBusy = waiting_.load() == 0;
    if (allBusy && threads_.size() < maxWorkers_ &&
        used < 0.5 * wall * static_cast<double>(threads_.size())) {
      StartWorker();
    }
  }

  void StartWorker() {
    const auto store = static_cast<uint32_t>(threads_.size());
    threads_.emplace_back([this, store] { Work(store); });
  }

  void Stop() {
    const std::lock_guard<std::mutex> lock(mutex_);
    stop_ = true;
    if (busy_ == 0) finished_ = true;
    workChanged_.notify_all();
    doneChanged_.notify_all();
  }

  WalkProgress Progress() {
    WalkProgress progress;
    progress.directories = directories_.load(std::memory_order_relaxed);
    progress.files = files_.load(std::memory_order_relaxed);
    {
      const std::lock_guard<std::mutex> lock(pathMutex_);
      shownPath_ = lastPath_;
    }
    progress.currentDirectory = shownPath_;
    return progress;
  }

  void Work(uint32_t store) {
    for (Task* task; (task = Take()) != nullptr;) {
      Walk(*task, store);
      const std::lock_guard<std::mutex> lock(mutex_);
      --busy_;
      if (busy_ == 0 && (pending_.empty() || stop_)) {
        finished_ = true;
        workChanged_.notify_all();
        doneChanged_.notify_all();
      }
    }
  }

  // The next task to walk, or none when the walk is over. Taken under the lock: another
  // thread may be adding tasks meanwhile.
  Task* Take() {
    std::unique_lock<std::mutex> lock(mutex_);
    ++waiting_;
    workChanged_.wait(lock, [this] { return !pending_.empty() || finished_ || stop_; });
    --waiting_;
    if (stop_ || pending_.empty()) return nullptr;
    Task* task = &tasks_[pending_.back()];
    pending_.pop_back();
    pendingCount_ = pending_.size();
    ++busy_;
    return task;
  }

  // Another thread waits and nothing is queued for it.
  bool ShouldShare() const {
    return waiting_.load(std::memory_order_relaxed) > 0 &&
           pendingCount_.load(std::memory_order_relaxed) == 0;
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
    Task task;
    if (platform::DuplicateDirectory(frame.handle, task.handle)) return;
    const size_t count = std::max<size_t>(1, spare(shareFrom) / 2);
    task.listing = frame.listing;
    task.folder = frame.folder;
    task.path = path.substr(0, frame.pathLength);
    task.first = frame.shared;
    task.end = frame.shared + count;
    const std::lock_guard<std::mutex> lock(mutex_);
    tasks_.push_back(std::move(task));
    frame.handedOut.emplace_back(frame.shared, tasks_.size() - 1);
    frame.shared += count;
    if (frame.next == frame.shared) frame.handle.Close();
    pending_.push_back(tasks_.size() - 1);
    pendingCount_ = pending_.size();
    workChanged_.notify_one();
  }

  void Walk(Task& task, uint32_t storeIndex) {
    NameStore& store = stores_[storeIndex];
    task.store = storeIndex;
    std::string path = task.path;
    std::vector<Frame> stack;
    stack.push_back(Frame{std::move(task.handle), task.listing, task.folder, path.size(), task.end,
                          task.first, {}, task.ownsFiles});
    size_t shareFrom = 0;
    while (!stack.empty()) {
      if (stop_.load(std::memory_order_relaxed)) return;
      if (ShouldShare()) Share(stack, shareFrom, path);
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
  void VisitChild(Task& task, NameStore& store, uint32_t storeIndex, std::vector<Frame>& stack,
                  std::string& path) {
    Frame& frame = stack.back();
    const std::string_view name = frame.listing->Subdirectory(--frame.next);
    platform::DirectoryHandle child;
    const std::error_code openError =
        platform::OpenChildDirectory(frame.handle, std::string(name), child);
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

  void AddFailure(Task& task, const std::string& path, std::error_code error) {
    task.failures.push_back({path, error});
    task.pieces.push_back({Piece::Kind::kFailure, {}, task.failures.size() - 1, 0});
  }

  void AddFiles(Task& task, NameStore& store, const Frame& frame) {
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

  // Puts the tasks' pieces together in the order of one walk.
  void Assemble(const std::string& rootPath, ResultList& results, WalkOutcome& outcome) {
    results.Start(rootPath, std::move(stores_));
    struct Cursor {
      size_t task;
      size_t piece = 0;
      size_t match = 0;
    };
    std::vector<Cursor> stack{{0}};
    while (!stack.empty()) {
      Cursor& cursor = stack.back();
      Task& task = tasks_[cursor.task];
      if (cursor.piece == task.pieces.size()) {
        task = Task();  // its pieces are no longer needed
        stack.pop_back();
        continue;
      }
      const Piece piece = task.pieces[cursor.piece++];
      switch (piece.kind) {
        case Piece::Kind::kFiles: {
          const size_t firstIndex = results.ListCount();
          results.AppendRun(piece.folder, task.store, piece.first, piece.count);
          for (; cursor.match < task.matches.size() &&
                 task.matches[cursor.match] < piece.first + piece.count;
               ++cursor.match) {
            outcome.matches.push_back(firstIndex + (task.matches[cursor.match] - piece.first));
          }
          break;
        }
        case Piece::Kind::kTask:
          stack.push_back({piece.first});
          break;
        case Piece::Kind::kFailure: {
          const Failure& failure = task.failures[piece.first];
          // A folder on which another file system is mounted is left alone on purpose.
          if (failure.error == std::errc::cross_device_link) {
            observer_.OnOtherFileSystem(failure.path);
          } else {
            ++outcome.unreadableDirectories;
            observer_.OnDirectoryFailed(failure.path, failure.error);
          }
          break;
        }
      }
    }
  }

  const FileLister& fileLister_;
  const NameMatcher* matcher_;
  PassObserver& observer_;
  bool adaptive_ = false;
  unsigned firstWorkers_ = 1;
  unsigned maxWorkers_ = 1;

  std::vector<std::thread> threads_;
  std::vector<NameStore> stores_;  // one per thread

  std::mutex mutex_;  // guards what follows, up to the atomics
  std::condition_variable workChanged_;
  std::condition_variable doneChanged_;
  std::deque<Task> tasks_;  // a deque, so that a task stays in place while others are added
  std::vector<size_t> pending_;
  unsigned busy_ = 0;
  bool finished_ = false;

  std::atomic<bool> stop_{false};
  std::atomic<unsigned> waiting_{0};
  std::atomic<size_t> pendingCount_{0};
  std::atomic<uint64_t> directories_{0};
  std::atomic<uint64_t> files_{0};

  std::atomic<bool> wantPath_{false};
  std::mutex pathMutex_;
  std::string lastPath_;   // a directory entered lately, when the coordinator asked
  std::string shownPath_;  // what the observer was last given
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
