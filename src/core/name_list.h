#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace tarnwick::core {

// The file names to delete, in insertion order; duplicates and empty entries are allowed.
class NameList {
 public:
  // Counts and indices are 16-bit signed, so the list holds at most this many entries.
  static constexpr int16_t kMaxCount = INT16_MAX;

  void Clear();
  // Appends at the end. False, and nothing changes, when the list is full or the name holds a
  // line break, a NUL or a character outside the system's code page, which the settings file
  // could not store.
  bool Append(std::string name);
  static bool CanStore(const std::string& name);
  void RemoveAt(int16_t index);
  // Removes every entry whose text equals `name` exactly (letter case counts); returns how many.
  int RemoveEvery(const std::string& name);

  int16_t Count() const { return static_cast<int16_t>(entries_.size()); }
  const std::string& At(int16_t index) const { return entries_.at(static_cast<size_t>(index)); }
  const std::vector<std::string>& Entries() const { return entries_; }

  // True once the list held at least one entry during this run, so that emptying it is saved.
  bool HasHeldEntries() const { return hasHeldEntries_; }

 private:
  std::vector<std::string> entries_;
  bool hasHeldEntries_ = false;
};

}  // namespace tarnwick::core
