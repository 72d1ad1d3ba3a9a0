// What a front end hears while a pass runs: progress, each file's fate, and the chance to stop.
#pragma once

#include <cstdint>
#include <string_view>
#include <system_error>

namespace tarnwick::engine {

struct WalkProgress {
  uint64_t directories = 0;  // directories entered so far, the current one included
  uint64_t files = 0;        // files seen so far
  std::string_view currentDirectory;  // valid only during the call that receives it
};

// What a front end hears of a pass while it runs, always on the thread that started the pass,
// whatever threads do the work. Every method has a default that does nothing.
class PassObserver {
 public:
  virtual ~PassObserver() = default;

  // Called when the walk starts and about every 10 ms while it runs, with a directory entered
  // lately: the place to process pending window events and show progress. Returning false
  // stops the pass; nothing is deleted then.
  virtual bool OnWalkProgress(const WalkProgress&) { return true; }
  // The walk is complete, with its final figures; not called when it was stopped.
  virtual void OnWalkEnded(const WalkProgress&) {}
  // A directory that could not be opened or read; the walk goes on without it. Told once the
  // walk is complete, in the order of the walk, as is the next.
  virtual void OnDirectoryFailed(std::string_view /*path*/, std::error_code) {}
  // A directory on which another file system is mounted: never entered, and no failure.
  virtual void OnOtherFileSystem(std::string_view /*path*/) {}
  // A folder of the trash the pass moves files to, never entered by such a pass.
  virtual void OnTrashFolder(std::string_view /*path*/) {}
  // A folder the user excluded, never entered; the root itself when it lies in one.
  virtual void OnExcludedFolder(std::string_view /*path*/) {}
  // The matching is done: this many files are to be deleted now.
  virtual void OnDeletionsStarting(uint64_t /*matches*/) {}
  // Called before the first deletion and about every 10 ms while they run, with the counts so
  // far. Returning false stops the pass once the files in hand are dealt with.
  virtual bool OnDeleteProgress(uint64_t /*deleted*/, uint64_t /*failed*/) { return true; }
  // Each matching file's fate, in the order of the walk.
  virtual void OnDeleted(std::string_view /*path*/) {}
  virtual void OnDeleteFailed(std::string_view /*path*/, std::error_code) {}
  // A matching file that was no longer there when its turn came: another program deleted it.
  // It is neither deleted by this pass nor a failure.
  virtual void OnAlreadyGone(std::string_view /*path*/) {}
};

}  // namespace tarnwick::engine
