// The one place where a pass's work is shared between threads: how many, handing out items,
// stopping, and waking the front end every 10 ms.
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

namespace tarnwick::engine {

// How often the thread that started a pass looks up while its workers run: to tell the front
// end how the pass gets on (its windows stay alive meanwhile) and to hear a stop.
inline constexpr std::chrono::milliseconds kPollInterval{10};

// How many threads share the work of a pass.
struct ThreadPlan {
  unsigned first = 1;  // started at once
  unsigned most = 1;   // more join while those running mostly wait for the disk, up to this
};

// `requested` threads, or for 0 one per core; with `growWhileWaiting`, while they mostly wait
// for the disk rather than compute, up to four per core (at least 8, at most 64 unless there
// are more cores than that).
ThreadPlan PlanThreads(unsigned requested, bool growWhileWaiting);

// Items of work that several threads take one at a time, the last added first. A thread busy
// with an item may add more (a share of its own) while others wait for some. The work is done
// when nothing is queued and no thread holds an item, or once it is stopped.
class SharedWork {
 public:
  void Add(size_t item);
  // The next item for the calling thread; waits while others still hold items and may add
  // more. Nothing once the work is done or stopped.
  std::optional<size_t> Take();
  // The calling thread is done with the item it took last.
  void Finished();

  // A thread waits and nothing is queued for it: the moment to hand some work over.
  bool Wanted() const {
    return waiting_.load(std::memory_order_relaxed) > 0 &&
           queued_.load(std::memory_order_relaxed) == 0;
  }
  bool AllBusy() const { return waiting_.load(std::memory_order_relaxed) == 0; }

  void Stop();
  bool Stopped() const { return stopped_.load(std::memory_order_relaxed); }
  // Waits at most `patience` for the work to be done; true when it is.
  bool WaitUntilDone(std::chrono::milliseconds patience);

 private:
  void FinishWhenIdle();  // with mutex_ held

  std::mutex mutex_;  // guards what follows, up to the atomics
  std::condition_variable itemsChanged_;
  std::condition_variable doneChanged_;
  std::vector<size_t> queue_;
  unsigned busy_ = 0;
  bool done_ = false;

  std::atomic<bool> stopped_{false};
  std::atomic<unsigned> waiting_{0};
  std::atomic<size_t> queued_{0};
};

// Runs `handle(thread, item)` for every item of `work` on the threads of `plan` (numbered from
// 0 in the order they start) until the work is done. Meanwhile the calling thread calls `poll`
// once before any thread starts and then every kPollInterval; false stops the work, after
// which no thread takes another item. Returns whether the work ran to its end.
bool ShareWork(SharedWork& work, ThreadPlan plan,
               const std::function<void(unsigned thread, size_t item)>& handle,
               const std::function<bool()>& poll);

}  // namespace tarnwick::engine
