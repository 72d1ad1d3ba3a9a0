// The settings-file format: sections and keys read and changed as the platform's profile
// functions do, every untouched line kept byte for byte.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/profile/profile_encoding.h"

namespace tarnwick::platform {

// A sectioned key=value settings file held in memory, read and changed the way the platform's
// profile functions treat such files. Every line that a change does not touch is kept byte for
// byte, with its own line ending.
class ProfileDocument {
 public:
  using Encoding = ProfileEncoding;

  // Takes the file's bytes; lines end at LF, CRLF or a lone CR. Needs memory for the text
  // once, and time in proportion to it.
  static ProfileDocument Parse(std::string content);

  // kPlain: names and values are in the system's code page; otherwise they are UTF-8.
  Encoding encoding() const { return encoding_; }

  // The value of the first matching key in the first matching section (names compared without
  // regard to ASCII letter case), trimmed of blanks and tabs, one pair of enclosing quotes
  // removed. Nothing when the section or the key is missing.
  std::optional<std::string> Get(std::string_view section, std::string_view key) const;

  // For many keys of one section at once, in one scan of the section: each value as the file
  // stores it, enclosing quotes kept; ReadValue gives what Get would.
  std::vector<std::optional<std::string>> GetAllStored(std::string_view section,
                                                       std::span<const std::string> keys) const;
  static std::string_view ReadValue(std::string_view stored);

  // Replaces the first matching key's value in place, or adds the key at the end of its section,
  // or adds the section at the end of the file. A value that would not read back as written
  // (surrounding blanks, enclosing quotes) is enclosed in double quotes. Refuses, returning false
  // and changing nothing, names or values that cannot be stored on one line, and names that
  // would not read back as written (blanks at either end, a key that starts with '['), and
  // every change to a file that starts with a UTF-16 mark but holds no UTF-16.
  bool Set(std::string_view section, std::string_view key, std::string_view value);

  struct Assignment {
    std::string key;
    std::string value;
    // `value` is a value as GetAllStored gave it: written as it stands, and a line that holds
    // it already is left byte for byte as it is.
    bool stored = false;
  };
  // Set for many keys of one section at once, in one scan of the file.
  bool SetAll(std::string_view section, std::span<const Assignment> assignments);

  // The file's bytes, in the encoding it was read in.
  std::string Serialize() const;

 private:
  // One line of text_: where it starts, how long it is without its ending, and the ending's
  // length (0 for a last line without one).
  struct Line {
    size_t start = 0;
    size_t length = 0;
    size_t endingLength = 0;
    size_t end() const { return start + length + endingLength; }
  };

  Line LineAt(size_t start) const;
  std::string_view TextOf(const Line& line) const { return {text_.data() + line.start, line.length}; }
  // The header line of the first section with this name, if any.
  std::optional<Line> FindSection(std::string_view section) const;
  // For each of `keys` (lower-cased) that the section after `header` holds, its first line.
  std::unordered_map<std::string, Line> FindKeys(const Line& header,
                                                 const std::vector<std::string>& keys) const;
  std::string_view NewLineEnding() const;

  // A change to the text: `removed` bytes at `offset` give way to `text`.
  struct Edit {
    size_t offset = 0;
    size_t removed = 0;
    std::string text;
  };
  bool CanStore(std::string_view section, std::span<const Assignment> assignments) const;
  // The section's header line, the section added at the end of the file when it is missing.
  Line SectionHeader(std::string_view section);
  std::vector<Edit> PlanEdits(const Line& header, std::span<const Assignment> assignments) const;
  Line LastLineWithText(const Line& header) const;
  // Applies edits in the order of their offsets, none overlapping another.
  void Apply(const std::vector<Edit>& edits);

  std::string text_;  // UTF-8 or the code page's bytes, without a byte-order mark
  Encoding encoding_ = Encoding::kPlain;
  bool writable_ = true;
};

}  // namespace tarnwick::platform
