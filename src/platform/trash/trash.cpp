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
    }
    return "trash error";
  }
};

}  // namespace

std::vector<TrashedEntry> Trash::TakeMoved() {
  const std::lock_guard<std::mutex> lock(movedMutex_);
  return std::exchange(moved_, {});
}

void Trash::Moved(std::vector<TrashedEntry> entries) {
  const std::lock_guard<std::mutex> lock(movedMutex_);
  moved_.insert(moved_.end(), std::make_move_iterator(entries.begin()),
                std::make_move_iterator(entries.end()));
}

const std::error_category& TrashCategory() {
  static const TrashErrorCategory category;
  return category;
}

}  // namespace tarnwick::platform
