// The list of excluded folders: how a folder is kept in it (its full path), how a folder is
// found in it whatever its spelling, and adding one, for every front end alike.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <system_error>

#include "core/name_list.h"

namespace tarnwick::core {

// A folder as the list of excluded folders keeps it: its full path, so that it means the same
// folder wherever a pass starts from.
std::string FolderEntryFor(const std::string& path);

// The first entry of `folders` that names the same folder as `path`: the same text, or the
// same folder by identity (another spelling, a link to it).
std::optional<int16_t> FindFolderEntry(const NameList& folders, const std::string& path);

// Why `path` names no folder now (std::errc::not_a_directory, no_such_file_or_directory);
// nothing when it does.
std::error_code WhyNoFolder(const std::string& path);

// What came of adding a folder to the excluded ones.
struct FolderAddition {
  enum class Outcome {
    kAdded,
    kAlreadyThere,  // the same text, or the same folder by identity: nothing changed
    kNoFolder,      // the path names no folder now (`error` says why)
    kRefused,       // the list cannot hold it (`refusal` says why)
  };
  Outcome outcome = Outcome::kAdded;
  std::error_code error;
  NameList::Refusal refusal{};
};

// Appends `path` to `folders` as its full path, unless it is there already or names no
// folder; the caller saves the list.
FolderAddition AddExcludedFolder(NameList& folders, const std::string& path);

}  // namespace tarnwick::core
