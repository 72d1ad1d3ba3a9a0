#include "core/folder_entries.h"

#include "platform/dir/directory_handle.h"
#include "platform/path/full_path.h"

namespace tarnwick::core {

std::error_code WhyNoFolder(const std::string& path) {
  if (platform::IdentityOfFolder(path)) return {};
  return platform::IdentityOf(path) ? std::make_error_code(std::errc::not_a_directory)
                                    : std::make_error_code(std::errc::no_such_file_or_directory);
}

std::string FolderEntryFor(const std::string& path) { return platform::AbsolutePath(path); }

std::optional<int16_t> FindFolderEntry(const NameList& folders, const std::string& path) {
  const auto identity = platform::IdentityOfFolder(path);
  const std::string full = FolderEntryFor(path);
  for (int16_t i = 0; i < folders.Count(); ++i) {
    const std::string& entry = folders.At(i);
    if (entry == path || entry == full) return i;
    if (identity && !entry.empty() && platform::IdentityOfFolder(entry) == identity) return i;
  }
  return std::nullopt;
}

FolderAddition AddExcludedFolder(NameList& folders, const std::string& path) {
  FolderAddition addition;
  if (FindFolderEntry(folders, path)) {
    addition.outcome = FolderAddition::Outcome::kAlreadyThere;
  } else if ((addition.error = WhyNoFolder(path))) {
    addition.outcome = FolderAddition::Outcome::kNoFolder;
  } else if (const auto refusal = folders.WhyRefused(FolderEntryFor(path))) {
    addition.outcome = FolderAddition::Outcome::kRefused;
    addition.refusal = *refusal;
  } else {
    folders.Append(FolderEntryFor(path));
  }
  return addition;
}

}  // namespace tarnwick::core
