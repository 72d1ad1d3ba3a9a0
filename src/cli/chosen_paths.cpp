#include "cli/chosen_paths.h"

#include <istream>

namespace tarnwick::cli {

void ChosenPaths::Read(std::istream& in, bool nullEnded) {
  std::string path;
  while (std::getline(in, path, nullEnded ? '\0' : '\n')) {
    if (!nullEnded && !path.empty() && path.back() == '\r') path.pop_back();
    if (!path.empty()) paths_.insert(std::move(path));
  }
}

void ChosenPaths::Keep(const engine::ResultList& results, std::vector<size_t>& matches) {
  size_t kept = 0;
  for (const size_t match : matches) {
    std::string path = results.List(match);
    if (!paths_.contains(path)) continue;
    matches[kept++] = match;
    foundPaths_.insert(std::move(path));
  }
  matches.resize(kept);
}

std::vector<std::string> ChosenPaths::NotFound() const {
  std::vector<std::string> missing;
  for (const std::string& path : paths_) {
    if (!foundPaths_.contains(path)) missing.push_back(path);
  }
  return missing;
}

}  // namespace tarnwick::cli
