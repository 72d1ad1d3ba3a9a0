#include "engine/helper_objects.h"

#include "core/path_helpers.h"

namespace tarnwick::engine {
namespace {

bool OpenAndList(const std::string& path, platform::DirectoryHandle& handle,
                 DirectoryListing& listing) {
  platform::DirectoryHandle opened;
  DirectoryListing read;
  if (platform::OpenDirectory(path, opened) || ListDirectory(opened, read)) return false;
  handle = std::move(opened);
  listing = std::move(read);
  return true;
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

bool DirectoryLister::SetPath(const std::string& path) {
  if (!OpenAndList(path, handle_, listing_)) return false;
  path_ = path;
  return true;
}

std::string DirectoryLister::List(size_t index) const {
  std::string prefix = path_;
  return core::EnsureTrailingBackslash(prefix) + listing_.subdirectories.at(index);
}

void FileLister::SetPattern(const std::string& pattern) {
  pattern_ = pattern;
  Refresh();
}

bool FileLister::SetPath(const std::string& path) {
  platform::DirectoryHandle handle;
  DirectoryListing listing;
  if (!OpenAndList(path, handle, listing)) return false;
  path_ = path;
  allNames_ = std::move(listing.files);
  Refresh();
  return true;
}

bool FileLister::Matches(std::string_view name) const {
  return pattern_ == "*.*" || MatchesWildcard(pattern_, name);
}

void FileLister::Refresh() {
  names_.clear();
  for (const auto& name : allNames_) {
    if (Matches(name)) names_.push_back(name);
  }
}

void ResultList::Clear() {
  text_.clear();
  ends_.clear();
}

void ResultList::AddItem(std::string_view text) {
  text_.append(text);
  ends_.push_back(text_.size());
}

std::string_view ResultList::List(size_t index) const {
  const size_t begin = index == 0 ? 0 : ends_.at(index - 1);
  return std::string_view(text_).substr(begin, ends_.at(index) - begin);
}

HelperObjects& BindHelperObjects() {
  static HelperObjects helpers;
  return helpers;
}

}  // namespace tarnwick::engine
