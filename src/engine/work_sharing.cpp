#include "engine/work_sharing.h"

#include <algorithm>
#include <thread>

#include "platform/process/process_time.h"

namespace tarnwick::engine {
namespace {

using Clock = std::chrono::steady_clock;

// Threads that use less than half of the processor time they could are waiting for the disk.
class DiskWaitGauge {
 public:
  bool ThreadsMostlyWait(size_t threads) {
    const auto now = Clock::now();
    const auto cpu = platform::ProcessCpuTime();
    const double wall = std::chrono::duration<double>(now - lastTime_).count();
    const double used = std::chrono::duration<double>(cpu - lastCpu_).count();
    lastTime_ = now;
    lastCpu_ = cpu;
    return used < 0.5 * wall * static_cast<double>(threads);
  }

 private:
  Clock::time_point lastTime_ = Clock::now();
  std::chrono::nanoseconds lastCpu_ = platform::ProcessCpuTime();
};

}  // namespace

ThreadPlan PlanThreads(unsigned requested, bool growWhileWaiting) {
  if (requested > 0) return {requested, requested};
  const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
  if (!growWhileWaiting) return {cores, cores};
  return {cores, std::max({8u, cores, std::min(4 * cores, 64u)})};
}

void SharedWork::Add(size_t item) {
  const std::lock_guard<std::mutex> lock(mutex_);
  queue_.push_back(item);
  queued_ = queue_.size();
  itemsChanged_.notify_one();
}

std::optional<size_t> SharedWork::Take() {
  std::unique_lock<std::mutex> lock(mutex_);
  ++waiting_;
  itemsChanged_.wait(lock, [this] { return !queue_.empty() || done_ || stopped_; });
  --waiting_;
  if (stopped_ || queue_.empty()) return std::nullopt;
  const size_t item = queue_.back();
  queue_.pop_back();
  queued_ = queue_.size();
  ++busy_;
  return item;
}

void SharedWork::Finished() {
  const std::lock_guard<std::mutex> lock(mutex_);
  --busy_;
  FinishWhenIdle();
}

void SharedWork::Stop() {
  const std::lock_guard<std::mutex> lock(mutex_);
  stopped_ = true;
  FinishWhenIdle();
  itemsChanged_.notify_all();
}

void SharedWork::FinishWhenIdle() {
  if (busy_ > 0 || (!queue_.empty() && !stopped_)) return;
  done_ = true;
  itemsChanged_.notify_all();
  doneChanged_.notify_all();
}

bool SharedWork::WaitUntilDone(std::chrono::milliseconds patience) {
  std::unique_lock<std::mutex> lock(mutex_);
  return doneChanged_.wait_for(lock, patience, [this] { return done_; });
}

bool ShareWork(SharedWork& work, ThreadPlan plan,
               const std::function<void(unsigned thread, size_t item)>& handle,
               const std::function<bool()>& poll) {
  std::vector<std::thread> threads;
  threads.reserve(plan.most);
  const auto startThread = [&] {
    const auto thread = static_cast<unsigned>(threads.size());
    threads.emplace_back([&work, &handle, thread] {
      while (const auto item = work.Take()) {
        handle(thread, *item);
        work.Finished();
      }
    });
  };

  // The front end hears of the work before any of it is done, and may stop it there.
  bool going = poll();
  if (!going) work.Stop();
  for (unsigned i = 0; going && i < plan.first; ++i) startThread();
  DiskWaitGauge gauge;
  while (!work.WaitUntilDone(kPollInterval)) {
    if (going && !poll()) {
      going = false;
      work.Stop();
    }
    // Idle threads wait for work, not for the disk: more would not help them.
    if (going && threads.size() < plan.most && gauge.ThreadsMostlyWait(threads.size()) &&
        work.AllBusy()) {
      startThread();
    }
  }
  for (std::thread& thread : threads) thread.join();
  return going;
}

}  // namespace tarnwick::engine
