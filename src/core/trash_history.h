// The kept passes to the trash: where their records lie, which are kept, and the recorder that
// writes the record of the pass that runs now.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <mutex>
#include <span>
#include <string>
#include <system_error>
#include <vector>

#include "core/app_state.h"
#include "platform/file/held_file.h"
#include "platform/trash/trash.h"

namespace tarnwick::core {

// The passes to the trash that can still be taken back, kept beside the settings file in use:
// the folder "<settings>.durchgaenge" holds one record per pass, "<number>.papierkorb",
// numbered as the passes ran, at most kKeptPasses (the oldest is dropped first; its files stay
// in the trash). The record of the last pass that earlier versions kept, "<settings>.papierkorb",
// is the oldest pass, number 0.
inline constexpr size_t kKeptPasses = 50;
// A larger record is no record of ours: two million files with long paths fit.
inline constexpr size_t kRecordLimit = size_t{1} << 30;

struct KeptPass {
  uint64_t number = 0;
  std::string recordPath;
};

// The kept passes, newest first.
std::vector<KeptPass> KeptPasses(const AppState& state);

// The record of the pass that runs now: made when its first files reach the trash, then
// appended to as each batch does, so that a pass ended in any way (killed, the window closed)
// can be taken back for every file recorded. Nothing is written for a pass that moves nothing,
// so the passes before it stay as they are.
class PassRecorder {
 public:
  PassRecorder(const AppState& state, std::string root, std::time_t when);

  // Records the files of one batch that reached the trash; several threads may call it.
  void Record(std::span<const platform::TrashedEntry> moved);
  // Why files that reached the trash could not be recorded; nothing when all were.
  std::error_code Error() const;
  // The record's path once it is made; before, the folder it goes into.
  std::string RecordPath() const;

 private:
  std::error_code Start();

  std::string settingsPath_;
  std::string root_;
  std::time_t when_;
  mutable std::mutex mutex_;
  platform::HeldFile file_;
  std::string path_;
  std::error_code error_;
};

}  // namespace tarnwick::core
