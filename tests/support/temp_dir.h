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

}  // namespace tarnwick::testing
