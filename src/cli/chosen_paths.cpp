#include "cli/chosen_paths.h"

#include <algorithm>
#include <istream>

#include "platform/path/entry_key.h"

namespace tarnwick::cli {

void ChosenPaths::Read(std::istream& in, bool nullEnded) {
  std::string path;
  while (std::getline(in, path, nullEnded ? '\0' : '\n')) {
    if (!nullEnded && !path.empty() && path.back() == '\r') path.pop_back();
    if (path.empty()) continue;
    if (byKey_.try_emplace(platform::EntryKey(path), paths_.size()).second) {
      paths_.push_back(std::move(path));
      found_.push_back(false);
    }
  }
}

void ChosenPaths::Keep(const engine::ResultList& results, std::vector<size_t>& matches) {
  // Each folder's key once: a folder holds many of the matches.
  std::unordered_map<std::string, std::string> folderKeys;
  size_t kept = 0;
  for (const size_t match : matches) {
    const std::string folder = results.FolderPath(results.FolderOf(match));
    auto [place, added] = folderKeys.try_emplace(folder);
    if (added) place->second = platform::FolderKey(folder);
    const auto chosen = byKey_.find(platform::EntryKey(place->second, results.NameOf(match)));
    if (chosen == byKey_.end()) continue;
    matches[kept++] = match;
    found_[chosen->second] = true;
  }
  matches.resize(kept);
}

bool ChosenPaths::Take(const std::string& path) {
  const auto chosen = byKey_.find(platform::EntryKey(path));
  if (chosen == byKey_.end()) return false;
  found_[chosen->second] = true;
  return true;
}

uint64_t ChosenPaths::NotFoundCount() const {
  return static_cast<uint64_t>(std::count(found_.begin(), found_.end(), false));
}

std::vector<std::string> ChosenPaths::NotFound() const {
  std::vector<std::string> missing;
  for (size_t i = 0; i < paths_.size(); ++i) {
    if (!found_[i]) missing.push_back(paths_[i]);
  }
  return missing;
}

}  // namespace tarnwick::cli
