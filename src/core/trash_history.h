// The kept passes to the trash: where their records lie, which are kept, and the recorder that
// writes the record of the pass that runs now, ahead of its files.
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
#include "platform/dir/directory_handle.h"
#include "platform/file/held_file.h"
#include "platform/trash/trash.h"

namespace tarnwick::core {

// The passes to the trash that can still be taken back, kept beside the settings file in use:
// the folder "<settings>.durchgaenge", private to the user, holds one record per pass,
// "<number>.papierkorb", numbered as the passes ran, at most kKeptPasses (the oldest is dropped
// first; its files stay in the trash). The record of the last pass that earlier versions kept,
// "<settings>.papierkorb", is the oldest pass, number 0.
inline constexpr size_t kKeptPasses = 50;
// A larger record is no record of ours: two million files with long paths fit.
inline constexpr size_t kRecordLimit = size_t{1} << 30;

struct KeptPass {
  uint64_t number = 0;
  std::string recordPath;
};

// The folder of the kept passes.
std::string HistoryFolder(const AppState& state);

// The kept passes, newest first. When their folder cannot be used (a link in its place, another
// user's, writable by others), `unusable` (when given) says why, and only the record of an
// earlier version can be listed.
std::vector<KeptPass> KeptPasses(const AppState& state, std::error_code* unusable = nullptr);

// Holds the record of a kept pass, reached through its folder's handle (see HeldFile::Open).
std::error_code HoldKeptPass(const AppState& state, const KeptPass& pass, platform::HeldFile& file);

// No record number is left above the highest kept: a pass to the trash cannot be recorded.
std::error_code NoPassNumberLeft();

// The record of the pass that runs now: made when its first files are about to go to the
// trash, then each batch's lines appended, whole, before the batch moves, so that every file
// in the trash has its line however the pass ends. Nothing is written for a pass that moves
// nothing, so the passes before it stay as they are.
class PassRecorder : public platform::TrashRecorder {
 public:
  // `plan`: the plan that runs the pass on its own, 0 for a pass asked for.
  PassRecorder(const AppState& state, std::string root, std::time_t when, uint64_t plan = 0);

  // Opens the folder of the kept passes before the pass starts: why the pass cannot be
  // recorded there, when it cannot (then no file may go to the trash).
  std::error_code Prepare();
  std::error_code BeforeMove(std::span<const platform::TrashedEntry> entries) override;
  std::error_code AfterMove(std::span<const platform::TrashedEntry> entries) override;
  // Brings the record and its folder entry to the disk, once the pass has ended.
  void Finish();

  // Why files could not be recorded (the pass then stopped moving them); nothing when all were.
  std::error_code Error() const;
  // The record's path once it is made; before, the folder it goes into.
  std::string RecordPath() const;

 private:
  std::error_code Start();
  std::error_code Append(std::span<const platform::TrashedEntry> entries);

  std::string settingsPath_;
  std::string folderPath_;
  std::string root_;
  std::time_t when_;
  uint64_t plan_;
  mutable std::mutex mutex_;
  platform::DirectoryHandle folder_;
  platform::HeldFile file_;
  std::string path_;
  std::error_code error_;
};

}  // namespace tarnwick::core
