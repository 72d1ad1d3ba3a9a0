#include "platform/trash/trash.h"

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
    }
    return "trash error";
  }
};

}  // namespace

const std::error_category& TrashCategory() {
  static const TrashErrorCategory category;
  return category;
}

}  // namespace tarnwick::platform
