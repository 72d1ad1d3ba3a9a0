#include "platform/file/held_file.h"

namespace tarnwick::platform {
namespace {

class HeldFileCategory : public std::error_category {
 public:
  const char* name() const noexcept override { return "tarnwick.held_file"; }
  std::string message(int) const override { return "not a regular file"; }
};

}  // namespace

std::error_code NotARegularFile() {
  static const HeldFileCategory category;
  return {1, category};
}

}  // namespace tarnwick::platform
