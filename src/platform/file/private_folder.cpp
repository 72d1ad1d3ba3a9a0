#include "platform/file/private_folder.h"

namespace tarnwick::platform {
namespace {

class PrivacyErrorCategory : public std::error_category {
 public:
  const char* name() const noexcept override { return "tarnwick.privacy"; }
  std::string message(int error) const override {
    switch (static_cast<PrivacyError>(error)) {
      case PrivacyError::kLink:
        return "a link in its place";
      case PrivacyError::kOtherOwner:
        return "owned by another user";
      case PrivacyError::kWritableByOthers:
        return "writable by others";
    }
    return "not private";
  }
};

}  // namespace

const std::error_category& PrivacyCategory() {
  static const PrivacyErrorCategory category;
  return category;
}

}  // namespace tarnwick::platform
