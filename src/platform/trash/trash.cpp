#include "platform/trash/trash.h"

#include <utility>

namespace tarnwick::platform {
namespace {

class TrashErrorCategory : public std::error_category {
 public:
  const char* name() const noexcept override { return "tarnwick.trash"; }
  std::string message(int error) const override {
    switch (static_cast<TrashError>(error)) {
      case TrashError::kNoTrashHere: return "no trash on this file system";
      case TrashError::kWouldBeDeleted: return "the trash would delete it";
      case TrashError::kNoTrashOffered: return "the system offers no trash";
      case TrashError::kDeletedForGood: return "deleted for good, not kept in the trash";
      case TrashError::kIsTrash: return "a folder of the trash";
      case TrashError::kNoLongerInTrash: return "no longer in the trash";
      case TrashError::kPlaceTaken: return "another file has its place";
      case TrashError::kFolderGone: return "its folder is gone";
      case TrashError::kFolderIsLink: return "a folder of its path is a link now";
      case TrashError::kFolderElsewhere: return "its folder is on another file system now";
      case TrashError::kNotVouched: return "the trash does not vouch for its origin";
      case TrashError::kTrashUnreachable: return "its trash cannot be reached";
      case TrashError::kTrashNotTrusted: return "its trash is not one the pass would use";
      case TrashError::kNotRecorded: return "not moved: the record could not take it";
      case TrashError::kTrashSwitchedOff: return "the trash is switched off on this volume";
      case TrashError::kTooLargeForTrash: return "too large for the trash";
      case TrashError::kTrashFull: return "the trash would delete older entries to keep it";
      case TrashError::kNotNameable: return "its path cannot be named to the trash";
      case TrashError::kNotTheFileFound: return "another file stands under its name now";
      case TrashError::kNoWayBack: return "in the trash, but it cannot be taken back";
      case TrashError::kAlreadyBack: return "already back in its place";
      case TrashError::kBackTrashEntryLeft: return "back, but its entry in the trash remained";
    }
    return "trash error";
  }
};

}  // namespace

bool Trash::RecordBeforeMove(std::span<const TrashedEntry> entries) {
  const std::lock_guard<std::mutex> lock(recordMutex_);
  if (recordError_) return false;
  if (entries.empty()) return true;
  recordError_ = recorder_.BeforeMove(entries);
  return !recordError_;
}

void Trash::RecordAfterMove(std::span<const TrashedEntry> entries) {
  if (entries.empty()) return;
  const std::lock_guard<std::mutex> lock(recordMutex_);
  if (const std::error_code error = recorder_.AfterMove(entries); error && !recordError_) {
    recordError_ = error;
  }
}

std::error_code Trash::RecordError() const {
  const std::lock_guard<std::mutex> lock(recordMutex_);
  return recordError_;
}

const std::error_category& TrashCategory() {
  static const TrashErrorCategory category;
  return category;
}

}  // namespace tarnwick::platform
