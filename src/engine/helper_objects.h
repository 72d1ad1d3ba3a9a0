// The helper objects the search engine works through: the folder and file listers and the
// result list.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "engine/directory_listing.h"
#include "engine/result_list.h"
#include "platform/dir/directory_handle.h"

namespace tarnwick::engine {

// Lists the immediate subdirectories of its current directory.
class DirectoryLister {
 public:
  // Makes `path` current (a trailing separator is accepted). A path that names no accessible
  // directory returns false and leaves the lister as it was.
  bool SetPath(const std::string& path) { return !Open(path); }
  // SetPath that says why it failed.
  std::error_code Open(const std::string& path);
  const std::string& Path() const { return path_; }
  size_t ListCount() const { return listing_ ? listing_->SubdirectoryCount() : 0; }
  // The full path of the index-th subdirectory.
  std::string List(size_t index) const;
  // The open current directory, for work that must stay inside it, and its whole listing.
  const platform::DirectoryHandle& Handle() const { return handle_; }
  const std::shared_ptr<const DirectoryListing>& Listing() const { return listing_; }

 private:
  std::string path_;
  platform::DirectoryHandle handle_;
  std::shared_ptr<const DirectoryListing> listing_;
};

// Lists the names of the files of its current directory that match its pattern, hidden files
// included; subdirectories never appear.
class FileLister {
 public:
  void SetPattern(const std::string& pattern);
  const std::string& Pattern() const { return pattern_; }
  // Like DirectoryLister::SetPath.
  bool SetPath(const std::string& path);
  // Makes `path` current with a listing already read, so that no directory is read twice.
  void ShowListing(const std::string& path, std::shared_ptr<const DirectoryListing> listing);
  const std::string& Path() const { return path_; }
  size_t ListCount() const { return matching_.size(); }
  std::string_view List(size_t index) const { return listing_->File(matching_.at(index)); }

  // Whether a file name matches the pattern: '*' stands for any run of characters, '?' for one
  // character, and "*.*" for every name, those without a dot included.
  bool Matches(std::string_view name) const;

 private:
  void Refresh();

  std::string path_;
  std::string pattern_ = "*.*";
  std::shared_ptr<const DirectoryListing> listing_;
  std::vector<size_t> matching_;  // the listing's files that match the pattern
};

// The three helper objects the search engine works through.
struct HelperObjects {
  DirectoryLister directoryLister;
  FileLister fileLister;
  ResultList resultList;
};

// The program's one set of helper objects, created at the first call.
HelperObjects& BindHelperObjects();

}  // namespace tarnwick::engine
