#pragma once

#include <filesystem>
#include <string>

namespace tarnwick::testing {

// A fresh directory for one test, removed with everything in it when the test ends.
class TempDir {
 public:
  TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  ~TempDir();

  const std::filesystem::path& path() const { return path_; }
  // The path of `relative` inside the directory, as text.
  std::string operator/(const std::string& relative) const { return (path_ / relative).string(); }

 private:
  std::filesystem::path path_;
};

// Creates the file (and its parent directories) holding `content`.
void WriteFile(const std::string& path, const std::string& content);
std::string ReadFile(const std::string& path);

// The text with the line endings the platform writes into a new file: "\r\n" on Windows.
std::string NewFileLines(std::string text);
// The path with '/' replaced by the platform's separator.
std::string NativePath(std::string path);

// Whether a file without write permission really cannot be written by these tests: not on
// POSIX when they run as root.
bool ReadOnlyIsEnforced();

}  // namespace tarnwick::testing
