#pragma once

#include <cstddef>
#include <cstdint>
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

// The collected paths, in the order they were added. A walk over a large disk collects millions
// of them, so they are kept in a few large buffers rather than one allocation each.
class ResultList {
 public:
  void Clear();
  void AddItem(std::string_view text);
  // Moves all of `other`'s entries to the end of this list, without copying their text.
  void Splice(ResultList&& other);
  size_t ListCount() const { return count_; }
  std::string_view List(size_t index) const;

 private:
  struct Segment {
    size_t firstIndex = 0;      // the list index of the segment's first entry
    std::string text;           // the entries, one after the other
    std::vector<uint32_t> ends; // where each entry ends in `text`
  };
  Segment& Writable();

  std::vector<Segment> segments_;
  size_t count_ = 0;
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
