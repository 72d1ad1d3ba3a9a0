// A list the settings file keeps (the names to delete, or the excluded folders): its entries,
// what it refuses, and the edits of this run, which a save applies to the file as it is then.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarnwick::core {

// A list the settings file keeps, in insertion order; duplicates and empty entries are allowed:
// the file names to delete, or the folders a pass never enters.
class NameList {
 public:
  // Counts and indices are 16-bit signed, so the list holds at most this many entries.
  static constexpr int16_t kMaxCount = INT16_MAX;

  // What the entries are, which bounds how long one may be.
  enum class Kind { kFileNames, kFolderPaths };
  explicit NameList(Kind kind = Kind::kFileNames) : kind_(kind) {}

  // Why a name cannot join the list: the settings file could not store it, or there is no room.
  enum class Refusal {
    kListFull,
    kTooLong,          // longer than any file name (or the settings file's values) can be
    kLineBreak,        // a line break or a NUL, which would break the file's lines
    kOutsideCodePage,  // a character the system's code page does not have
  };

  void Clear();
  // Appends at the end. False, and nothing changes, when WhyRefused gives a reason.
  bool Append(std::string name);
  std::optional<Refusal> WhyRefused(const std::string& name) const;
  // Appends an entry read from the settings file, which keeps its place whatever it holds:
  // its text, and its value as the file stores it, which a save writes back unchanged.
  void AppendStored(std::string name, std::string storedValue);
  // Removes every entry whose text equals `name` exactly (letter case counts); returns how many.
  int RemoveEvery(const std::string& name);

  // What Append and RemoveEvery did in this run, in order. A save applies them to the list the
  // file holds by then, so that what another program changed meanwhile survives too.
  struct Edit {
    bool removal = false;
    std::string name;
  };
  const std::vector<Edit>& Edits() const { return edits_; }
  void Apply(const std::vector<Edit>& edits);

  Kind kind() const { return kind_; }
  int16_t Count() const { return static_cast<int16_t>(entries_.size()); }
  const std::string& At(int16_t index) const { return entries_.at(static_cast<size_t>(index)); }
  const std::vector<std::string>& Entries() const { return entries_; }
  // The entry's value as the settings file stored it; nothing for an entry added in this run.
  const std::optional<std::string>& StoredValueAt(int16_t index) const {
    return storedValues_.at(static_cast<size_t>(index));
  }

  // True once the list held at least one entry during this run, so that emptying it is saved.
  bool HasHeldEntries() const { return hasHeldEntries_; }

 private:
  Kind kind_;
  std::vector<std::string> entries_;
  std::vector<std::optional<std::string>> storedValues_;  // one per entry
  std::vector<Edit> edits_;
  bool hasHeldEntries_ = false;
};

}  // namespace tarnwick::core
