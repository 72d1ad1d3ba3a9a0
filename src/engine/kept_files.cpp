#include "engine/kept_files.h"

#include <algorithm>

#include "core/path_helpers.h"
#include "platform/text/text_case.h"

namespace tarnwick::engine {
namespace {

class KeptFileCategory : public std::error_category {
 public:
  const char* name() const noexcept override { return "tarnwick.kept"; }
  std::string message(int) const override { return "a file of the program itself"; }
};

}  // namespace

KeptFiles::KeptFiles(const std::vector<std::string>& paths) {
  for (const std::string& path : paths) {
    if (const auto identity = platform::IdentityOf(path)) {
      identities_.push_back(*identity);
      upperNames_.push_back(platform::ToUpperCase(core::FileNamePart(path)));
    }
  }
}

bool KeptFiles::Contains(const platform::DirectoryHandle& parent, const std::string& name) const {
  const std::string upperName = platform::ToUpperCase(name);
  if (std::find(upperNames_.begin(), upperNames_.end(), upperName) == upperNames_.end()) {
    return false;
  }
  const auto identity = platform::IdentityOfEntry(parent, name);
  return identity &&
         std::find(identities_.begin(), identities_.end(), *identity) != identities_.end();
}

std::error_code KeptFileError() {
  static const KeptFileCategory category;
  return {1, category};
}

}  // namespace tarnwick::engine
