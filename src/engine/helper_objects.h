#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/directory_listing.h"
#include "platform/directory_handle.h"

namespace tarnwick::engine {

// Lists the immediate subdirectories of its current directory.
class DirectoryLister {
 public:
  // Makes `path` current (a trailing separator is accepted). A path that names no accessible
  // directory returns false and leaves the lister as it was.
  bool SetPath(const std::string& path);
  const std::string& Path() const { return path_; }
  size_t ListCount() const { return listing_.subdirectories.size(); }
  // The full path of the index-th subdirectory.
  std::string List(size_t index) const;
  // The open current directory, for work that must stay inside it.
  const platform::DirectoryHandle& Handle() const { return handle_; }

 private:
  std::string path_;
  platform::DirectoryHandle handle_;
  DirectoryListing listing_;
};

// Lists the names of the files of its current directory that match its pattern, hidden files
// included; subdirectories never appear.
class FileLister {
 public:
  void SetPattern(const std::string& pattern);
  const std::string& Pattern() const { return pattern_; }
  // Like DirectoryLister::SetPath.
  bool SetPath(const std::string& path);
  const std::string& Path() const { return path_; }
  size_t ListCount() const { return names_.size(); }
  const std::string& List(size_t index) const { return names_.at(index); }

  // Whether a file name matches the pattern: '*' stands for any run of characters, '?' for one
  // character, and "*.*" for every name, those without a dot included.
  bool Matches(std::string_view name) const;

 private:
  void Refresh();

  std::string path_;
  std::string pattern_ = "*.*";
  std::vector<std::string> allNames_;
  std::vector<std::string> names_;
};

// The collected paths, in the order they were added. Kept in one buffer, since a walk over a
// large disk collects millions of them.
class ResultList {
 public:
  void Clear();
  void AddItem(std::string_view text);
  size_t ListCount() const { return ends_.size(); }
  std::string_view List(size_t index) const;
  // Bytes held by the entries themselves.
  size_t TextSize() const { return text_.size(); }

 private:
  std::string text_;
  std::vector<size_t> ends_;
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
