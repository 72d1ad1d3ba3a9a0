#include "engine/helper_objects.h"

#include <stdexcept>

#include "core/path_helpers.h"

namespace tarnwick::engine {
namespace {

std::error_code OpenAndList(const std::string& path, platform::DirectoryHandle& handle,
                            std::shared_ptr<const DirectoryListing>& listing) {
  platform::DirectoryHandle opened;
  auto read = std::make_shared<DirectoryListing>();
  if (auto error = platform::OpenDirectory(path, opened)) return error;
  if (auto error = read->Read(opened)) return error;
  handle = std::move(opened);
  listing = std::move(read);
  return {};
}

bool MatchesWildcard(std::string_view pattern, std::string_view name) {
  // Iterative matching with one backtrack point: linear in practice, never exponential.
  size_t p = 0, n = 0, starP = std::string_view::npos, starN = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      starP = p++;
      starN = n;
    } else if (starP != std::string_view::npos) {
      p = starP + 1;
      n = ++starN;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

}  // namespace

std::error_code DirectoryLister::Open(const std::string& path) {
  if (auto error = OpenAndList(path, handle_, listing_)) return error;
  path_ = path;
  return {};
}

std::string DirectoryLister::List(size_t index) const {
  if (index >= ListCount()) throw std::out_of_range("DirectoryLister::List");
  std::string prefix = path_;
  return core::EnsureTrailingBackslash(prefix) + std::string(listing_->Subdirectory(index));
}

void FileLister::SetPattern(const std::string& pattern) {
  pattern_ = pattern;
  Refresh();
}

bool FileLister::SetPath(const std::string& path) {
  platform::DirectoryHandle handle;
  std::shared_ptr<const DirectoryListing> listing;
  if (OpenAndList(path, handle, listing)) return false;
  ShowListing(path, std::move(listing));
  return true;
}

void FileLister::ShowListing(const std::string& path,
                             std::shared_ptr<const DirectoryListing> listing) {
  path_ = path;
  listing_ = std::move(listing);
  Refresh();
}

bool FileLister::Matches(std::string_view name) const {
  return pattern_ == "*.*" || MatchesWildcard(pattern_, name);
}

void FileLister::Refresh() {
  matching_.clear();
  if (!listing_) return;
  for (size_t i = 0; i < listing_->FileCount(); ++i) {
    if (Matches(listing_->File(i))) matching_.push_back(i);
  }
}

HelperObjects& BindHelperObjects() {
  static HelperObjects helpers;
  return helpers;
}

}  // namespace tarnwick::engine
