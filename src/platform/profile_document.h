#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tarnwick::platform {

// A sectioned key=value settings file held in memory, read and changed the way the platform's
// profile functions treat such files. Every line that a change does not touch is kept byte for
// byte, with its own line ending.
class ProfileDocument {
 public:
  // Splits the bytes into lines at LF, CRLF or a lone CR.
  static ProfileDocument Parse(std::string_view content);

  // The value of the first matching key in the first matching section (names compared without
  // regard to ASCII letter case), trimmed of blanks and tabs, one pair of enclosing quotes
  // removed. Nothing when the section or the key is missing.
  std::optional<std::string> Get(std::string_view section, std::string_view key) const;

  // Get for many keys of one section at once, in one scan of the section.
  std::vector<std::optional<std::string>> GetAll(std::string_view section,
                                                 std::span<const std::string> keys) const;

  // Replaces the first matching key's value in place, or adds the key at the end of its section,
  // or adds the section at the end of the file. A value that would not read back as written
  // (surrounding blanks, enclosing quotes) is enclosed in double quotes. Refuses, returning false
  // and changing nothing, names or values that cannot be stored on one line, and names that
  // would not read back as written (blanks at either end, a key that starts with '[').
  bool Set(std::string_view section, std::string_view key, std::string_view value);

  struct Assignment {
    std::string key;
    std::string value;
  };
  // Set for many keys of one section at once, in one scan of the file.
  bool SetAll(std::string_view section, std::span<const Assignment> assignments);

  std::string Serialize() const;

 private:
  struct Line {
    std::string text;    // without its line ending
    std::string ending;  // "\n", "\r\n", "\r", or empty for a last line without one
  };

  // Index of the first section header with this name, if any.
  std::optional<size_t> FindSection(std::string_view section) const;
  // For each key (lower-cased) of the section that starts at `header`, its first line.
  std::unordered_map<std::string, size_t> IndexKeys(size_t header) const;
  // The section's last line that is not blank (its header when it has none).
  size_t LastNonBlankLine(size_t header) const;
  std::string NewLineEnding() const;
  void Append(std::string text);

  std::vector<Line> lines_;
};

}  // namespace tarnwick::platform
