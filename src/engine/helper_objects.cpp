#include "engine/helper_objects.h"

#include <algorithm>
#include <stdexcept>

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

namespace {

// A segment's text stays below 4 GiB so that 32-bit ends address it.
constexpr size_t kMaxSegmentText = size_t{1} << 31;

}  // namespace

void ResultList::Clear() {
  segments_.clear();
  count_ = 0;
}

ResultList::Segment& ResultList::Writable() {
  if (segments_.empty() || segments_.back().text.size() >= kMaxSegmentText) {
    segments_.push_back(Segment{count_, {}, {}});
  }
  return segments_.back();
}

void ResultList::AddItem(std::string_view text) {
  Segment& segment = Writable();
  segment.text.append(text);
  segment.ends.push_back(static_cast<uint32_t>(segment.text.size()));
  ++count_;
}

void ResultList::Splice(ResultList&& other) {
  for (Segment& segment : other.segments_) {
    if (segment.ends.empty()) continue;
    segment.firstIndex = count_;
    count_ += segment.ends.size();
    segments_.push_back(std::move(segment));
  }
  other.Clear();
}

std::string_view ResultList::List(size_t index) const {
  if (index >= count_) throw std::out_of_range("ResultList::List");
  // The last segment whose first entry is at or before `index`.
  const auto after = std::upper_bound(segments_.begin(), segments_.end(), index,
                                      [](size_t i, const Segment& s) { return i < s.firstIndex; });
  const Segment& segment = *(after - 1);
  const size_t local = index - segment.firstIndex;
  const size_t begin = local == 0 ? 0 : segment.ends[local - 1];
  return std::string_view(segment.text).substr(begin, segment.ends[local] - begin);
}

HelperObjects& BindHelperObjects() {
  static HelperObjects helpers;
  return helpers;
}

}  // namespace tarnwick::engine
